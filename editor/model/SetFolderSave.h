// SPDX-License-Identifier: MIT
#pragma once
// Saving a set as one whole: the set file and its pictures are written into a
// new hidden folder beside the set's folder, pictures that did not change are
// hard-linked rather than copied, and the two folders then trade places in
// one rename. A process killed at any moment leaves either the old folder or
// the new one under the set's name, never a mix; what it leaves beside it is
// cleaned up by recoverSetFolder the next time the set is opened.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The steps of a save, in order, as a test can stop or kill it before each.
enum class SaveStep {
    MakeFolder, // the new folder beside the set's folder
    Pictures,   // every picture linked or copied into it
    SetFile,    // the set file written into it
    SyncFolder, // the new folder flushed to disk
    Swap,       // the new folder takes the set's name
    RemoveOld,  // the old folder removed
};
inline constexpr int saveStepCount = 6;

// Called before each step; returning false makes the step fail there.
using SaveStepHook = std::function<bool(SaveStep)>;

struct FolderPicture {
    int position = 0;             // 0-based; the file is pic_for_q_<position + 1>.jpg
    std::filesystem::path source; // any readable file
};

struct FolderSaveResult {
    bool saved = false;
    // Positions whose picture could be neither linked nor copied: the caller
    // wrote them with picture flag 0 only if it built the set file after the
    // pictures, which `makeSetFile` below does.
    std::vector<int> droppedPictures;
};

// Saves the set folder `folder` (its parent must exist): `setFileName` inside
// it receives what `makeSetFile` returns, called with the positions whose
// picture could not be placed; each picture goes to its numbered file. Other
// files already in the folder that are none of the set's own are kept.
FolderSaveResult
saveSetFolder(const std::filesystem::path& folder, const std::filesystem::path& setFileName,
              const std::vector<FolderPicture>& pictures,
              const std::function<std::string(const std::vector<int>& dropped)>& makeSetFile,
              const SaveStepHook& hook = {});

// Finishes or undoes what an interrupted save of `folder` left: when the set
// folder itself is missing, the old folder set aside by the save comes back;
// then every leftover folder of a save whose process is gone is removed.
void recoverSetFolder(const std::filesystem::path& folder);

// Whether `name` is a picture file name a set owns ("pic_for_q_<n>.jpg").
bool isPictureFileName(std::string_view name);

} // namespace qv
