#pragma once
// An application directory of the user's own, for an installation whose
// directory the user cannot write (a package under /usr): the files a run
// changes (the database folder "Data", the settings and standards files)
// are copied there on first start, and everything the program only reads
// (ephemeris, fonts, language files, pictures) is linked to the
// installation. The directory then serves as the application directory.
#include <string>

namespace vyn {

// Whether a run may create and replace files in `directory`.
bool IsWritableDirectory(const std::string& directory);

// "$XDG_DATA_HOME/vyn", or "$HOME/.local/share/vyn" without it.
std::string UserDataDirectory();

// Whether a run changes the file or folder of this name (and so needs its
// own copy): "Data", and files ending in ".INI", ".ini", ".Bin" or ".STD".
bool IsChangedByRuns(const std::string& fileName);

// Fills `target` from `source`: copies what runs change and links the rest.
// Names that `target` already holds are left as they are, so a user's
// people, places and settings survive a new installation. Throws
// std::filesystem::filesystem_error naming the path that failed.
void PopulateAppDirectory(const std::string& source, const std::string& target);

// The application directory to run in: `installDir` when it is writable,
// else the user data directory, populated from `installDir`.
std::string ChooseAppDirectory(const std::string& installDir);

}  // namespace vyn
