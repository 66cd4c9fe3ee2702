#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "driver/llzornix.h"

using llzornix::DriverBinding;
namespace fs = std::filesystem;

namespace {

const std::string kStubs = ZORNIX_STUB_DIR;

// A loader over one folder that counts how often the binding asks for the library.
DriverBinding::Loader From(const std::string& folder, int& loads) {
    return [folder, &loads](const std::string& name) {
        ++loads;
        return ui::LoadLibraryFrom({folder}, name);
    };
}

}  // namespace

TEST(DriverBinding, AbsentLibraryLeavesEverythingEmptyAndIsTriedAgain) {
    int loads = 0;
    DriverBinding binding(From(kStubs + "/none", loads));
    binding.BindDriverLibrary();
    EXPECT_FALSE(binding.DriverAvailable());
    EXPECT_EQ(binding.Slots().GetNumCards, nullptr);
    EXPECT_EQ(binding.Slots().RelOutPortDWord, nullptr);
    binding.BindDriverLibrary();
    EXPECT_EQ(loads, 2);
}

TEST(DriverBinding, CompleteLibraryIsBoundOnceWithEveryEntryPoint) {
    int loads = 0;
    DriverBinding binding(From(kStubs + "/complete", loads));
    binding.BindDriverLibrary();
    ASSERT_TRUE(binding.DriverAvailable());
    ASSERT_NE(binding.Slots().GetNumCards, nullptr);
    EXPECT_EQ(binding.Slots().GetNumCards(), 2);
    EXPECT_NE(binding.Slots().QueryCardInfo, nullptr);
    EXPECT_NE(binding.Slots().RelOutPortDWord, nullptr);
    binding.BindDriverLibrary();
    EXPECT_EQ(loads, 1);
}

TEST(DriverBinding, PartialLibraryKeepsWhatItFoundAndIsTriedAgain) {
    int loads = 0;
    DriverBinding binding(From(kStubs + "/partial", loads));
    binding.BindDriverLibrary();
    EXPECT_FALSE(binding.DriverAvailable());
    ASSERT_NE(binding.Slots().GetNumCards, nullptr);
    EXPECT_EQ(binding.Slots().GetNumCards(), 3);
    EXPECT_EQ(binding.Slots().WDGPet, nullptr);
    EXPECT_NE(binding.Slots().WDGReadTemp, nullptr);
    binding.BindDriverLibrary();
    EXPECT_EQ(loads, 2);
}

TEST(DynamicLibrary, PlatformNamesMapToSharedLibraryNames) {
    EXPECT_EQ(ui::SharedLibraryFileName("ZORNIX.dll"), "libZORNIX.so");
    EXPECT_EQ(ui::SharedLibraryFileName("Tool.DLL"), "libTool.so");
    EXPECT_EQ(ui::SharedLibraryFileName("libm.so.6"), "libm.so.6");
    EXPECT_EQ(ui::LoadLibraryFrom({kStubs + "/complete"}, "../complete/ZORNIX.dll"), nullptr);
}

TEST(DynamicLibrary, ALibraryPlantedInTheCurrentDirectoryIsNeverLoaded) {
    const fs::path planted = fs::temp_directory_path() / ("planted-" + std::to_string(getpid()));
    fs::create_directories(planted);
    fs::copy_file(kStubs + "/complete/libZORNIX.so", planted / "libZORNIX.so", fs::copy_options::overwrite_existing);
    const fs::path before = fs::current_path();
    const char* oldPath = std::getenv("LD_LIBRARY_PATH");
    const std::string saved = oldPath ? oldPath : "";
    fs::current_path(planted);
    // Empty and relative entries would mean the current directory to the dynamic linker.
    setenv("LD_LIBRARY_PATH", ":.:lib", 1);
    for (const std::string& dir : ui::LibrarySearchPath()) EXPECT_EQ(dir.front(), '/') << dir;
    EXPECT_EQ(ui::LoadLibrary("ZORNIX.dll"), nullptr);
    DriverBinding binding;
    binding.BindDriverLibrary();
    EXPECT_FALSE(binding.DriverAvailable());
    EXPECT_EQ(binding.Slots().GetNumCards, nullptr);
    oldPath ? setenv("LD_LIBRARY_PATH", saved.c_str(), 1) : unsetenv("LD_LIBRARY_PATH");
    fs::current_path(before);
    fs::remove_all(planted);
}
