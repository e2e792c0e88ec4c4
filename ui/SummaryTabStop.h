#pragma once

// Where the sizes of the change summary line up, in dialog units: the
// summary box and the details box use the same.
inline constexpr int kSummaryTabStop = 120;
