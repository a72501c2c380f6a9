// What one way of asking the player for the game folder came back with.
#pragma once

#include <filesystem>

namespace keldra::launch {

struct FolderAnswer {
    enum class Outcome {
        Chosen,       // the player chose `folder`
        Cancelled,    // the player closed the chooser without choosing
        Unavailable,  // this chooser is not there or failed; the next one may ask
    };

    static FolderAnswer Chosen(std::filesystem::path folder) {
        return {Outcome::Chosen, std::move(folder)};
    }
    static FolderAnswer Cancelled() { return {Outcome::Cancelled, {}}; }
    static FolderAnswer Unavailable() { return {Outcome::Unavailable, {}}; }

    Outcome outcome;
    std::filesystem::path folder;
};

}  // namespace keldra::launch
