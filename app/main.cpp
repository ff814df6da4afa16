#include "app/lumo_app.h"

int main(int argc, char** argv) {
    CLumoApp app(argc, argv);
    return app.InitInstance();
}
