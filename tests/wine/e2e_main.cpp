// The end-to-end driver: a GoogleTest program that runs inside the same Wine
// virtual desktop as the programs it starts and drives them through their windows.
//
//   zev_e2e_driver.exe --results=FILE --shots=DIR --work=DIR [--gtest_filter=...]
#include <gtest/gtest.h>

#include "e2e_options.h"
#include "result_file_listener.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    auto* listener = new e2e::ResultFileListener(e2e::options().resultsFile);
    if (!listener->isOpen() && !e2e::options().resultsFile.empty()) {
        std::fprintf(stderr, "cannot write the results file\n");
        delete listener;
        return 2;
    }
    testing::UnitTest::GetInstance()->listeners().Append(listener);  // gtest owns it now
    return RUN_ALL_TESTS();
}
