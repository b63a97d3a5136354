#include "engine/source_probe.h"

#include "platform/com/com_ptr.h"
#include "platform/com/com_runtime.h"
#include "platform/dshow/core/dshow.h"
#include "platform/win32/string_conversion.h"

bool CanRenderSource(const char* path) {
  WCHAR widePath[MAX_PATH];
  if (!path || MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH) == 0) return false;
  ComPtr<IGraphBuilder> graph;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::iid,
                              reinterpret_cast<void**>(graph.ReleaseAndGetAddressOf())))) {
    return false;
  }
  return SUCCEEDED(graph->RenderFile(widePath, nullptr));
}
