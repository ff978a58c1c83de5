#include "storage/temporary_folder.h"

#include <QDir>

namespace carloan {

std::filesystem::path temporary_folder() {
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        // A TMPDIR that does not exist canonicalises to nothing; keep it as given, so that a
        // save fails there instead of landing in the working directory.
        folder = QDir::cleanPath(qEnvironmentVariable("TMPDIR"));
    }
    return std::filesystem::path(folder.toStdU16String());
}

}  // namespace carloan
