#include "upload/UploadTask.h"

CUploadTask::CUploadTask(IUploadOwner* pOwner) : m_pOwner(pOwner) {}

CUploadTask::~CUploadTask()
{
    Stop(true);
    WaitUntilIdle();
}

std::uint32_t CUploadTask::Run()
{
    m_pOwner->OnUploadFinished();
    return 0;
}
