// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>

#include "launcher/LoaderSystemLibraries.h"

namespace qv {
namespace {

TEST(LoaderSystemLibrariesTest, SystemFolderHoldsTheCLibrary) {
    LoaderSystemLibraries libraries;
    std::filesystem::path folder;
    ASSERT_TRUE(libraries.systemFolder(folder));
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(folder / "libc.so.6"));
}

TEST(LoaderSystemLibrariesTest, AnswersAsTheLoaderDoes) {
    LoaderSystemLibraries libraries;
    EXPECT_TRUE(libraries.canLoad("libc.so.6"));
    EXPECT_FALSE(libraries.canLoad("libquizvale-no-such-library.so.0"));
    EXPECT_FALSE(libraries.canLoad(""));
    // A path is not a library name: it would be looked up from the current
    // folder, not where the loader keeps libraries.
    EXPECT_FALSE(libraries.canLoad("./libc.so.6"));
}

TEST(LoaderSystemLibrariesTest, GraphicsRuntimeIsFoundAndNotLeftLoaded) {
    // The launcher never links SDL; checking for it must not keep it loaded.
    ASSERT_EQ(dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD), nullptr);
    LoaderSystemLibraries libraries;
    EXPECT_TRUE(libraries.canLoad("libSDL2-2.0.so.0"));
    EXPECT_EQ(dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD), nullptr);
}

} // namespace
} // namespace qv
