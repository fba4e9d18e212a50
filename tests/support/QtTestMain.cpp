#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests never need a display, also when CTest discovers them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The default pictures live on the platform's hosts. A test must never
    // reach out for them, nor wait on a name lookup that a machine without
    // internet may answer slowly: every address but the loopback server's
    // goes to a proxy port that refuses at once.
    for (const char* name : {"http_proxy", "https_proxy", "HTTPS_PROXY", "ALL_PROXY"})
        qputenv(name, "http://127.0.0.1:1");
    qputenv("no_proxy", "127.0.0.1,localhost");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
