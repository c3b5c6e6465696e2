// SPDX-License-Identifier: MIT
#pragma once
// Where the pictures of an editing session live until they are saved: a
// hidden folder of this editor in the sets folder. Pictures of an opened set
// are hard-linked in, so later saves (which replace the set's folder) and
// deletions never take a picture away from a question that Undo can bring
// back; pictures added with "Add Pic" are written here first and reach the
// set's folder only with Save. Files here are never changed once written.

#include <filesystem>

namespace qv {

class PictureStore {
public:
    explicit PictureStore(std::filesystem::path setsFolder);
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // A fresh path in the store for a new picture; nothing is created there.
    // Empty when the store's folder cannot be made.
    std::filesystem::path newPicturePath();

    // Takes `file` into the store (hard link, or a copy where links fail) and
    // returns its path there; empty when it is missing or cannot be read.
    // When the store cannot be written at all, `file` itself is returned.
    std::filesystem::path adopt(const std::filesystem::path& file);

    // Removes every picture of the store (the editor is closing).
    void clear();

    // Whether `file` lies in this store.
    bool holds(const std::filesystem::path& file) const;

    // Removes the stores of editors that are no longer running.
    static void removeLeftovers(const std::filesystem::path& setsFolder);

private:
    bool ensureFolder();

    std::filesystem::path folder_;
    unsigned long next_ = 0;
    bool made_ = false;
    bool unusable_ = false;
};

} // namespace qv
