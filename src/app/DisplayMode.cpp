#include "app/DisplayMode.h"

namespace tarn {

namespace {

void ToScatterMode(DisplayMode& mode) {
  mode.ContourButton = false;
  mode.MeshButton = false;
}

}  // namespace

void SanpButtonClick(DisplayMode& mode) {
  mode.SanpButton = !mode.SanpButton;
  if (mode.SanpButton) {
    ToScatterMode(mode);
    mode.ShowContourItem = false;
    mode.ShowMeshItem = false;
  } else {
    mode.ContourButton = true;
    mode.ShowContourItem = true;
  }
}

void MeshButtonClick(DisplayMode& mode) {
  mode.MeshButton = !mode.MeshButton;
  mode.ShowMeshItem = mode.MeshButton;
  if (mode.MeshButton) {
    mode.SanpButton = false;
  } else if (!mode.ContourButton) {
    mode.SanpButton = true;
  }
}

void ContourButtonClick(DisplayMode& mode) {
  mode.ContourButton = !mode.ContourButton;
  mode.ShowContourItem = mode.ContourButton;
  if (mode.ContourButton) {
    mode.SanpButton = false;
  } else if (!mode.MeshButton) {
    mode.SanpButton = true;
  }
}

void ShowMeshItemClick(DisplayMode& mode) {
  mode.ShowMeshItem = !mode.ShowMeshItem;
  mode.MeshButton = mode.ShowMeshItem;
  if (mode.ShowMeshItem) {
    mode.SanpButton = false;
  } else if (!mode.ShowContourItem) {
    mode.SanpButton = true;
  }
}

void ShowContourItemClick(DisplayMode& mode) {
  mode.ShowContourItem = !mode.ShowContourItem;
  mode.ContourButton = mode.ShowContourItem;
  if (mode.ShowContourItem) {
    mode.SanpButton = false;
  } else if (!mode.ShowMeshItem) {
    mode.SanpButton = true;
  }
}

void AfterContourDataCommand(DisplayMode& mode) {
  mode.ContourButton = true;
  mode.SanpButton = false;
}

void AfterScatterDataCommand(DisplayMode& mode) {
  mode.SanpButton = true;
  ToScatterMode(mode);
}

void AfterSeriesEditorShown(DisplayMode& mode) {
  if (mode.SanpButton) ToScatterMode(mode);
}

std::string DescribeMode(const DisplayMode& mode) {
  auto bit = [](bool b) { return b ? "1" : "0"; };
  return std::string("sanp=") + bit(mode.SanpButton) + " mesh=" + bit(mode.MeshButton) +
         " contour=" + bit(mode.ContourButton) + " show-mesh=" + bit(mode.ShowMeshItem) +
         " show-contour=" + bit(mode.ShowContourItem);
}

}  // namespace tarn
