#include "app/MainWindow.hpp"
#include "widgets/Common.hpp"

#include <cstdlib>
#include <ctime>

int main()
{
    // One seeding for every rand() of the run.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    MainWindow window;
    window.start();
    return 0;
}
