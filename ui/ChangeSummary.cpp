#include "ui/ChangeSummary.h"

#include "tracker/ChangeTracker.h"

// Sizes and the total are 32-bit counts; they are shown unsigned, so a
// total past 2 GiB never reads as a negative number of bytes.
std::string FormatChangeSummary(const std::string& pageFolder, const CChangeTracker& tracker)
{
    const auto total = static_cast<std::uint32_t>(tracker.GetTotalSendBytes());
    std::string text = "Folder " + pageFolder + " " + std::to_string(tracker.m_arrToSend.size())
                     + " files to send (" + std::to_string(total) + " bytes)\r\n";
    if (!tracker.m_arrToSend.empty()) {
        text += "Files to send:\r\n\r\n";
        for (const FileEntry& entry : tracker.m_arrToSend)
            text.append(entry.m_strName).append("\t").append(std::to_string(entry.m_dwSize)).append("\r\n");
    }
    if (!tracker.m_arrToDelete.empty()) {
        text += "\r\nFiles to delete:\r\n";
        for (const FileEntry& entry : tracker.m_arrToDelete)
            text.append(entry.m_strName).append("\r\n");
    }
    return text;
}
