#include "app/CTarnholtApp.h"
#include "app/LargePages.h"

int main(int argc, char** argv)
{
    tarnholt::preferLargePages(argv);
    tarnholt::CTarnholtApp app(argc, argv);
    return app.run();
}
