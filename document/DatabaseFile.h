#pragma once

// The database file: the document settings and the containers, read and
// written by walking their descriptions (StoredFields.h). Writing always
// produces the current version; reading takes the current and every older one.

#include "document/cArchive.h"

#include <memory>
#include <string>
#include <string_view>

class cDatabase;
class cUserPrompt;

enum class eReadStatus
{
    kOk,
    kNewerVersion,    // refused: shown "Cannot read this document ..."
    kDeclinedVersion, // an older file whose conversion was declined
    kDamaged,         // anything malformed: "Unexpected file format."
};

// Reads a whole file into `db`, which must be fresh (defaults, empty
// containers). Asks the conversion question and shows the newer-version
// message through `prompt`; the damaged-file message is the caller's.
// On anything but kOk the contents of `db` are unspecified.
eReadStatus ReadDatabase(std::string_view bytes, cDatabase& db, cUserPrompt& prompt);

// The bytes of the current version. `db.m_tModified` is written as it is: the
// caller stamps it first.
std::string WriteDatabase(const cDatabase& db);

// The version stored in a file, or a negative number when the file is too
// short to hold one.
double ReadVersion(std::string_view bytes);
