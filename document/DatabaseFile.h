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

// Reads the bytes of a database this program wrote a moment ago (an undo
// step) so that writing it again gives the same bytes: unlike ReadDatabase it
// trusts the top-level lists' up-to-date flags and view filter marks as
// written, so that a list out of date is rebuilt when shown next, as it would
// have been, and one up to date is not regenerated.
eReadStatus ReadSnapshot(std::string_view bytes, cDatabase& db, cUserPrompt& prompt);

// The bytes of the current version. `db.m_tModified` is written as it is: the
// caller stamps it first.
std::string WriteDatabase(const cDatabase& db);

// The version stored in a file, or a negative number when the file is too
// short to hold one.
double ReadVersion(std::string_view bytes);
