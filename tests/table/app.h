#pragma once
#include <QApplication>

inline QApplication& testApp() {
    static int argc = 1;
    static char name[] = "test_table";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets and caches may outlive the tests.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
