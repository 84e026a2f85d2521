// The tests that draw need an X display. Without one SFML aborts the test
// process at its first texture, with no word about which display it tried;
// checking first turns that into a plain failure that names the display.
//
// In the sanitized build the check also keeps Mesa's driver loaded. Mesa
// unloads its DRI driver whenever SFML closes its last context, long before
// the leak checker looks at the heap; blocks that the driver's own globals
// still point to then look leaked, with no stack to tell whose they are.
// Pinning the driver keeps those globals in view; a block that nothing points
// to is still reported.

#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>
// After gtest: Xlib's macros (None, Bool) break its headers.
#include <X11/Xlib.h>

#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace
{
#ifdef INKWRIGHT_PIN_GL_DRIVER
void pinGlDriver()
{
    const sf::Context context;
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            const std::string name = info->dlpi_name ? info->dlpi_name : "";
            const std::string suffix = "_dri.so";
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                static_cast<std::vector<std::string>*>(found)->push_back(name);
            return 0;
        },
        &drivers);
    // Loading outside the iteration: it holds the loader's list lock.
    for (const auto& driver : drivers)
        dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}
#endif

class TestDisplay : public testing::Environment
{
public:
    void SetUp() override
    {
        const std::string name = XDisplayName(nullptr);
        Display* display = XOpenDisplay(nullptr);
        // A failure here would only skip the tests, and a skip counts as a
        // pass: end the run as failed instead.
        if (!display)
        {
            std::cerr << "cannot open the X display \"" << name << "\" (is DISPLAY set, and its server running?)\n";
            std::exit(1);
        }
        XCloseDisplay(display);
#ifdef INKWRIGHT_PIN_GL_DRIVER
        pinGlDriver();
#endif
    }
};

const testing::Environment* const display = testing::AddGlobalTestEnvironment(new TestDisplay);
} // namespace
