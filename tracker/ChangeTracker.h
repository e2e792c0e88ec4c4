#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tracker/FileEntry.h"
#include "tracker/NameIndex.h"

class CArchive;

// Knows which files of the page folder are up to date on the server, and
// finds by scanning the folder which files are new or changed (the send
// list) and which recorded files have vanished (the delete list).
//
// Names match exactly, byte for byte, and the first recorded entry of a
// name is the one that counts. The tracker takes no lock: one thread at a
// time may use it.
class CChangeTracker {
public:
    enum EClassification { fileUnchanged = 0, fileNew = 1, fileChanged = 2 };

    // Loads the state file and scans the folder it names.
    CChangeTracker();
    // Writes the state file.
    ~CChangeTracker();
    CChangeTracker(const CChangeTracker&) = delete;
    CChangeTracker& operator=(const CChangeTracker&) = delete;

    // Another folder text, compared exactly, forgets the up-to-date list.
    void SetFolderAndRescan(std::string folder);
    void Rescan();
    // Sum of the send list's sizes, wrapping at 32 bits.
    std::int32_t GetTotalSendBytes() const;
    FileEntry GetDeleteEntry(std::size_t i) const { return m_arrToDelete[i]; }

    // Records send-list entry i as up to date and writes the state file.
    void AcceptEntry(std::size_t i);
    // Forgets the first up-to-date entry named like delete-list entry i.
    void ForgetDeletedEntry(std::size_t i);
    // Forgets every file of the delete list.
    void PruneDeleted();
    // Rescans, then makes the up-to-date list describe the folder as it is,
    // writing the state file once.
    void MarkAllUpToDate();
    // Takes the folder text, keeping the list, then MarkAllUpToDate.
    void SetFolderAndMarkUpToDate(std::string folder);

    void LoadState();
    void SaveState();
    void Serialize(CArchive& ar);

    std::string m_strFolder;
    FileEntryArray m_arrUpToDate;
    FileEntryArray m_arrToSend;
    FileEntryArray m_arrToDelete;
    std::vector<std::uint32_t> m_arrSeen; // per up-to-date entry: met by the last scan

private:
    EClassification Classify(const FileEntry& entry);
    std::size_t FindUpToDate(const std::string& name);
    void RecordAsUpToDate(const FileEntry& entry);

    // Over m_arrUpToDate; stale after entries were removed or reloaded.
    CNameIndex m_index;
    bool m_indexValid = false;
};

// Where the tracker keeps its state file.
std::string GetStateFilePath();
