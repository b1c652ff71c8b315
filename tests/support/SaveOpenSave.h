#pragma once

// Saving a database to bytes and opening them again, for tests that require
// "save, open, save" to give the same bytes. Uses the document library, so it
// is a target of its own: tests of the model alone do not link it.

#include <memory>
#include <string>
#include <string_view>

class cDatabase;
class CTournelDoc;

// The bytes File › Save writes for `db`, with its modified time as it is.
std::string SaveToBytes(const cDatabase& db);

// A fresh document holding what the bytes hold, read as File › Open reads a
// file: into a database aside, then swapped into the document. Null when the
// reader refuses the bytes; a conversion question is answered No.
std::unique_ptr<CTournelDoc> OpenFromBytes(std::string_view bytes);

struct cSaveOpenSave
{
    std::string saved;   // `db` saved
    std::string resaved; // `saved` opened into a fresh document and saved again
    bool opened = false; // false: the reader refused `saved`, `resaved` is empty

    bool Same() const { return opened && saved == resaved; }
};

// Saves `db`, opens the bytes into a fresh document and saves that. Opening
// marks the derived top-level lists (unused time, unscheduled and scheduled
// matches, results) out of date, so that the window rebuilds them; their
// flags are set back to `db`'s before the second save, so that the two byte
// strings differ only where the file loses or changes something.
cSaveOpenSave SaveOpenSave(const cDatabase& db);
