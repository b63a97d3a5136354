#include "platform/dshow/media/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/dshow/core/media_sample.h"
#include "platform/dshow/core/wide_text.h"
#include "platform/dshow/media/system_errors.h"

namespace {

// -errno on failure; loops over short writes.
int WriteAllAt(int fd, const BYTE* data, LONG size, int64_t offset) {
  LONG done = 0;
  while (done < size) {
    const ssize_t wrote = ::pwrite(fd, data + done, size - done, offset + done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return -errno;
    if (wrote == 0) return -ENOSPC;
    done += static_cast<LONG>(wrote);
  }
  return 0;
}

// The multiplexer seeks back to complete its header, so the output must
// take writes at any offset: a FIFO or a socket cannot. O_NONBLOCK keeps a
// FIFO without a reader from blocking the open (it fails with ENXIO instead).
// The file is emptied only when it holds something: ext4 writes a file that
// was truncated out to the disk when it is closed, which made closing a
// freshly made 1 GB output take longer than converting it.
HRESULT OpenOutput(const std::string& utf8Path, int* fd) {
  *fd = ::open(utf8Path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (*fd < 0 && errno == ENXIO) return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  if (*fd < 0) return errno == ENOENT ? HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND) : HResultFromErrno(errno);
  struct stat info {};
  if (::fstat(*fd, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) {
    ::close(*fd);
    *fd = -1;
    return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  }
  if (info.st_size != 0 && ::ftruncate(*fd, 0) != 0) {
    const int error = errno;
    ::close(*fd);
    *fd = -1;
    return HResultFromErrno(error);
  }
  // Writes then wait for the disk as usual.
  ::fcntl(*fd, F_SETFL, ::fcntl(*fd, F_GETFL) & ~O_NONBLOCK);
  return S_OK;
}

}  // namespace

FileWriterInputPin::FileWriterInputPin(FileWriter* writer) : BaseInputPin(writer, u"in"), m_writer(writer) {}

HRESULT FileWriterInputPin::CheckMediaType(const AM_MEDIA_TYPE& mt) {
  return mt.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT FileWriterInputPin::OnReceive(IMediaSample* sample) { return m_writer->Write(sample); }

HRESULT FileWriterInputPin::OnEndOfStream() {
  m_writer->Finish();
  return S_OK;
}

FileWriter::FileWriter() : BaseFilter(CLSID_FileWriter), m_input(this) {}

FileWriter::~FileWriter() { CloseFile(); }

HRESULT FileWriter::SetFileName(LPCWSTR fileName, const AM_MEDIA_TYPE* /*mt*/) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  m_fileName = WideView(fileName);
  return S_OK;
}

HRESULT FileWriter::GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mt) {
  if (!fileName) return E_POINTER;
  std::lock_guard lock(m_filterLock);
  *fileName = nullptr;
  if (mt) *mt = AM_MEDIA_TYPE{};
  if (m_fileName.empty()) return E_FAIL;
  *fileName = TaskMemWideCopy(m_fileName);
  return *fileName ? S_OK : E_OUTOFMEMORY;
}

HRESULT FileWriter::QueryExtraInterface(REFIID riid, void** ppv) {
  if (OfferInterface<IFileSinkFilter>(this, riid, ppv)) return S_OK;
  return BaseFilter::QueryExtraInterface(riid, ppv);
}

HRESULT FileWriter::OnPause() {
  if (m_openedThisRun) return S_OK;  // Running → Paused keeps the file
  if (m_fileName.empty()) return E_FAIL;
  int fd = -1;
  if (const HRESULT hr = OpenOutput(WideToUtf8(m_fileName), &fd); FAILED(hr)) return hr;
  std::lock_guard lock(m_fileLock);
  m_fd = fd;
  m_openedThisRun = true;
  m_failed = false;
  return S_OK;
}

HRESULT FileWriter::OnStop() {
  CloseFile();
  m_openedThisRun = false;
  return S_OK;
}

// Streaming thread. The first failure is reported once, with the system's
// code; every later sample is refused with the same code.
HRESULT FileWriter::Write(IMediaSample* sample) {
  REFERENCE_TIME offset = 0, end = 0;
  if (FAILED(sample->GetTime(&offset, &end)) || offset < 0) return VFW_E_SAMPLE_TIME_NOT_SET;
  BYTE* data = nullptr;
  sample->GetPointer(&data);
  std::lock_guard lock(m_fileLock);
  if (m_fd < 0) return VFW_E_WRONG_STATE;
  if (m_failed) return HRESULT_FROM_WIN32(ERROR_WRITE_FAULT);
  const int err = WriteAllAt(m_fd, data, sample->GetActualDataLength(), offset);
  if (err == 0) return S_OK;
  m_failed = true;
  const HRESULT hr = HResultFromErrno(-err);
  NotifyEvent(EC_ERRORABORT, hr, 0);
  return hr;
}

// Streaming thread: the stream is complete, so is the file.
void FileWriter::Finish() {
  CloseFile();
  NotifyEvent(EC_COMPLETE, S_OK, 0);
}

void FileWriter::CloseFile() {
  std::lock_guard lock(m_fileLock);
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}
