#include "storage/temporary_folder.h"

#include <QDir>

namespace carloan {

std::filesystem::path temporary_folder() {
    return std::filesystem::path(QDir::tempPath().toStdU16String());
}

}  // namespace carloan
