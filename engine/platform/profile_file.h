#pragma once

#include <cstdint>
#include <string>

// INI settings files: "[Section]" lines and "key=value" lines, CR LF line
// ends. Sections and keys match ignoring ASCII case and the first match wins;
// blanks around names and values are trimmed; lines beginning with ";" are
// comments; a value in matching quotes loses them on read.
//
// A file named without any folder lives in the per-user config folder
// ($XDG_CONFIG_HOME/Vantrell Pellucine/, else ~/.config/Vantrell Pellucine/);
// a name with a folder (".\Config.INI") is relative to the current folder.

// The value, or the default when the file, section or key is missing or the
// value is empty.
std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue);

// The value's leading decimal digits with an optional sign (0 when there are
// none), or the default when the value is missing or empty.
int32_t ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                       int32_t defaultValue);

// Replaces the key's line in place, or adds the key after the last line of its
// section, or appends the section at the end; every other byte stays. The
// file is saved durably (SaveFileDurably), so a crash never leaves it cut
// short. A read-only file is replaced by a writable one; a read-only folder
// is refused; a new file's folder is made when it is the config folder.
// False when the file cannot be written.
bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

// Where a settings file of that name lives.
std::string GetProfileSystemPath(const std::string& file);
