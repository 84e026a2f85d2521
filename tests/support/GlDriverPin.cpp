// Mesa unloads its DRI driver whenever SFML closes its last context, long
// before the leak checker of the sanitized build looks at the heap. Blocks
// that the driver's own globals still point to then look leaked, with no
// stack to tell whose they are. Loading the driver once before the tests and
// pinning it keeps those globals in view; a block that nothing points to is
// still reported.

#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>

#include <string>
#include <vector>

namespace
{
class GlDriverPin : public testing::Environment
{
public:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            return;
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
};

const testing::Environment* const pin = testing::AddGlobalTestEnvironment(new GlDriverPin);
} // namespace
