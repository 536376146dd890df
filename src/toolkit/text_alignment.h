#pragma once
// Where a caption sits in its area. The numbers are the ones the owners of controls pass. Portable.

namespace tockly {

enum class HorizontalAlignment { Left = 0, Centre = 1, Right = 2 };
enum class VerticalAlignment { Top = 0, Centre = 1, Bottom = 2 };

}  // namespace tockly
