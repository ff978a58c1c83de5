#include "app/font_configuration.h"

#ifdef CARLOAN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace carloan {

std::thread start_reading_font_configuration() {
#ifdef CARLOAN_HAVE_FONTCONFIG
    // Qt's font database asks for the same configuration later and finds it loaded.
    return std::thread([] { FcInit(); });
#else
    return {};
#endif
}

}  // namespace carloan
