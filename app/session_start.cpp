#include "app/session_start.h"

#include "storage/branch_settings_file.h"
#include "storage/earlier_quotes.h"
#include "storage/user_folders.h"
#include "ui/session.h"

namespace carloan {

std::vector<std::filesystem::path> start_session(session_state& session) {
    // Read from the user's own file, or else a branch's car.ini in the working directory;
    // 初期登録 stores to the user's own, whatever the working directory is.
    session.settings_path = branch_settings_location();
    session.own_settings_path = own_branch_settings_file();
    load_branch_settings(session.settings, session.settings_path);
    return move_earlier_quotes(earlier_quote_folder(), quote_folder());
}

}  // namespace carloan
