#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Path() ends in "/".
class ScopedTempFolder
{
public:
    ScopedTempFolder();
    ~ScopedTempFolder();

    const std::string& Path() const { return m_Path; }

    // Writes a file (and its folders) below the folder, bytes exactly as given.
    void WriteFile(const std::string& relativeName, const std::string& bytes) const;
    std::string ReadFile(const std::string& relativeName) const;

#ifdef VP_FIXTURE_DIR
    // Copies a file of tests/fixtures into the folder under the same name.
    // Inline, because only test files know where the fixtures are.
    void CopyFixture(const std::string& fixtureName) const
    {
        CopyFileIn(std::string(VP_FIXTURE_DIR) + "/" + fixtureName, fixtureName);
    }
#endif

    void CopyFileIn(const std::string& sourcePath, const std::string& relativeName) const;

    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

private:
    std::string m_Path;
};
