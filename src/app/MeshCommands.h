// The mesh commands: build the mesh from the points under the progress dialog, and save
// or load it as a mesh file.
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

inline constexpr const char* kScatterModeMessage = "現在は散布図モードになっています";
inline constexpr const char* kCannotMeshMessage = "メッシュを作れません";
inline constexpr const char* kMeshProgressLabel = "メッシュを作成しています・・・・・";

// 作業 › メッシュの作成.
void MakeMeshExecute(Document& doc, UserInterface& ui);

}  // namespace tarn
