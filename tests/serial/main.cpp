#include <QCoreApplication>

#include "support/LockFiles.h"

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new gauge::test::NoLockFilesLeft);
    return RUN_ALL_TESTS();
}
