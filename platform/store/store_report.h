// What went wrong with a settings file, in terms a person can act on: the folder may not be
// written, the disk is full, the file is someone else's, or it could not be read.
#pragma once

#include <filesystem>
#include <string>

namespace quillon {

enum class StoreProblem {
    none,
    readOnly, // the folder, or the file system it is on, may not be written
    diskFull, // no room left, or the user's quota is used up
    notOurs, // the folder or the file belongs to another user
    notAFolder, // something other than a folder stands where the folder should be
    unreadable, // a file is there but could not be read: its permissions, or it is not a file
    damaged, // it was read but does not hold what it should
    tooLarge, // what would be written is over the limit of one file
    notRepresentable, // what would be written cannot be written as text (not UTF-8, not a number)
    other, // any other refusal of the file system: `error` says which
};

struct StoreReport {
    StoreProblem problem = StoreProblem::none;
    std::filesystem::path path; // the file or folder the problem is with
    std::filesystem::path keptAs; // where a file that could not be read was moved to, when it was
    int error = 0; // the system's errno, when one said it

    bool ok() const { return problem == StoreProblem::none; }
    bool operator==(const StoreReport&) const = default;
};

// The problem behind a failed write under `folder`, from its errno: EACCES is a read-only folder
// when the folder is the user's and someone else's otherwise.
StoreProblem problemOfWriteError(int error, const std::filesystem::path& folder);
// The problem behind a failed read of a file that is there, from read()'s errno.
StoreProblem problemOfReadError(int error);

// One line for the log: "<path>: <what is wrong>", with the system's words for `other`.
std::string describe(const StoreReport& report);

} // namespace quillon
