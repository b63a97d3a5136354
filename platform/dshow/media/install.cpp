#include "platform/dshow/media/install.h"

#include "platform/com/com_runtime.h"
#include "platform/dshow/core/filter_registry.h"
#include "platform/dshow/media/decoder.h"
#include "platform/dshow/media/file_source.h"
#include "platform/dshow/media/file_writer.h"
#include "platform/dshow/media/library_log.h"
#include "platform/dshow/media/matroska_muxer.h"
#include "platform/dshow/media/renderer.h"
#include "platform/dshow/media/splitter.h"
#include "platform/dshow/media/stream_source.h"

namespace {

template <typename T>
ClassFactory DecoderFactory(AVMediaType kind) {
  return [kind](REFIID riid, void** ppv) -> HRESULT {
    T* object = new T(kind);
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
  };
}

void Install(REFCLSID clsid, ClassFactory factory, std::u16string name, DWORD merit) {
  CoRegisterClass(clsid, std::move(factory));
  RegisterFilter({clsid, std::move(name), merit});
}

}  // namespace

void InstallMediaFilters() {
  InstallCoreClasses();
  RouteLibraryLog({}, 0);  // until a front end asks for the lines, they go nowhere
  Install(CLSID_AsyncReader, FactoryOf<FileSource>(), u"File Source (Async.)", MERIT_UNLIKELY);
  Install(CLSID_CorvaneSplitter, FactoryOf<Splitter>(), u"Corvane Splitter", MERIT_NORMAL);
  Install(CLSID_CorvaneStreamSource, FactoryOf<StreamSource>(), u"Corvane Stream Source", MERIT_UNLIKELY);
  Install(CLSID_CorvaneVideoDecoder, DecoderFactory<Decoder>(AVMEDIA_TYPE_VIDEO), u"Corvane Video Decoder",
          MERIT_NORMAL);
  Install(CLSID_CorvaneAudioDecoder, DecoderFactory<Decoder>(AVMEDIA_TYPE_AUDIO), u"Corvane Audio Decoder",
          MERIT_NORMAL);
  Install(CLSID_CorvaneVideoRenderer, FactoryOf<VideoRenderer>(), u"Video Renderer", MERIT_NORMAL);
  Install(CLSID_CorvaneAudioRenderer, FactoryOf<AudioRenderer>(), u"Audio Renderer", MERIT_NORMAL);
  Install(CLSID_FileWriter, FactoryOf<FileWriter>(), u"File writer", MERIT_DO_NOT_USE);
  Install(CLSID_MatroskaMuxer, FactoryOf<MatroskaMuxer>(), u"Corvane Matroska Muxer", MERIT_DO_NOT_USE);
  for (const char* extension : {".asf", ".wmv", ".wma"})
    RegisterSourceExtension(extension, CLSID_CorvaneStreamSource);
}
