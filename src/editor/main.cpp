#include "app/CTarnholtApp.h"

int main(int argc, char** argv)
{
    tarnholt::CTarnholtApp app(argc, argv);
    return app.run();
}
