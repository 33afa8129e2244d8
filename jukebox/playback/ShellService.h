#pragma once

#include <string>
#include <vector>

namespace brambletune {

// What the engine asks of the shell.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Sends the files to the Recycle Bin (the shell asks for confirmation);
    // false when nothing was deleted.
    virtual bool Recycle(const std::vector<std::string>& files) = 0;
    // Adds the path to the system's recent documents.
    virtual void AddToRecentDocuments(const std::string& path) = 0;
};

}  // namespace brambletune
