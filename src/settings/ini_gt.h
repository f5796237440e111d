#pragma once
// TIniGT: the settings file component. Each window that keeps settings
// carries one; all of them resolve to the same file, and since the file is
// read for every call and rewritten at once by every write, a value written
// through one instance is seen by all others.
//
// Sections, keys and values are Shift-JIS bytes. Writes replace the file
// atomically and create it when missing (never its folder); a file reached
// through a symbolic link is replaced where the link leads. They return
// false on failure (the file is a folder, a pipe, unreadable, or its folder
// is not writable); callers report it where the user relies on the value.
// Several values that belong together are written as one SettingsBatch
// (settings_batch.h): one replacement of the file, all of them or none.

#include <filesystem>
#include <string>
#include <vector>

#include "fileio/file_access.h"
#include "text/sjis.h"

namespace vantor {

enum class TIniGTDefaultDir {
    ddApplication,  // the program folder, AppDir
    ddWindows,      // the user's configuration folder, ~/.config/vantor
    ddNone,         // as given, relative to the current directory
};

class TIniGT {
public:
    // The settings file is read and replaced through files.
    explicit TIniGT(FileAccess& files = diskFiles()) : files_(&files) {}

    // Without a file name of its own, the executable's name with the
    // extension ".ini" is used.
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name);

    TIniGTDefaultDir defaultDir() const { return defaultDir_; }
    void setDefaultDir(TIniGTDefaultDir dir) { defaultDir_ = dir; }

    // A file name with a folder part is used unchanged; otherwise it is
    // looked for in the folder defaultDir names. Resolved on each call, so
    // the file follows a change of AppDir.
    std::filesystem::path filePath() const;

    // The default when the key is absent or its value is not a decimal
    // number within the range of int ("12abc" and "" give the default).
    int ReadInteger(SjisView section, SjisView key, int defaultValue) const;
    bool WriteInteger(SjisView section, SjisView key, int value);

    // Read as an integer: any value but 0 is true. Written as "1" or "0".
    bool ReadBool(SjisView section, SjisView key, bool defaultValue) const;
    bool WriteBool(SjisView section, SjisView key, bool value);

    // Whether the file holds the key in the section, with any value.
    bool ValueExists(SjisView section, SjisView key) const;

    // An absent key gives the default unchanged. A stored value enclosed in
    // double quotes or in the corner brackets "｢" and "｣" loses them, so that
    // blanks at its ends survive; "" and ｢｣ alone give an empty text.
    SjisString ReadString(SjisView section, SjisView key, SjisView defaultValue) const;
    // The value is stored as given, without adding quotes.
    bool WriteString(SjisView section, SjisView key, SjisView value);

    // Stores every value in one replacement of the file, later ones over
    // earlier ones of the same key. When any of them cannot be stored (a
    // name or value the text refuses) or the file cannot be replaced, the
    // file stays as it was and the result is false.
    struct Change {
        SjisString section, key, value;
    };
    bool WriteValues(const std::vector<Change>& changes);

private:
    FileAccess* files_;
    std::string fileName_ = defaultFileName();
    TIniGTDefaultDir defaultDir_ = TIniGTDefaultDir::ddApplication;

    static std::string defaultFileName();
};

// Integers and booleans as the settings file holds them: decimal, and "1" or "0".
SjisString iniInteger(int value);
SjisString iniBool(bool value);

}  // namespace vantor
