#include "jukebox/model/ReplaceFile.h"

#include <fstream>

#include "jukebox/model/FileSystem.h"

namespace brambletune {

bool ReplaceFile(FileSystem& fs, const std::string& path,
                 const std::function<bool(std::ostream&)>& write) {
    const std::string fresh = path + ".new";
    bool ok = false;
    {
        auto out = fs.OpenWrite(fresh);
        if (!out) return false;
        ok = write(*out);
        out->flush();
        ok = ok && static_cast<bool>(*out);
        // A file stream reports a failed final write only when it closes.
        if (auto* file = dynamic_cast<std::ofstream*>(out.get())) {
            file->close();
            ok = ok && !file->fail();
        }
    }
    if (ok) ok = fs.Replace(fresh, path);
    if (!ok) fs.Remove(fresh);
    return ok;
}

}  // namespace brambletune
