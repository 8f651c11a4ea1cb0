#include "core/PasswordHash.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The program's files are named after "ijar", whatever the test binary is called.
    QApplication::setApplicationName(QStringLiteral("ijar"));
    QApplication::setLayoutDirection(Qt::RightToLeft);
    // Offices are made and logged in to thousands of times: cheap hashes.
    PasswordHash::setCost(4);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
