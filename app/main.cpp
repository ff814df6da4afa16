#include "app/lumo_app.h"

using namespace lumo;

int main(int argc, char** argv) {
    CLumoApp app(argc, argv);
    return app.InitInstance();
}
