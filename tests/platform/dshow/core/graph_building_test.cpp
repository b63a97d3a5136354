#include <gtest/gtest.h>

#include "graph_fixture.h"
#include "platform/dshow/core/wide_text.h"

using namespace testfilters;

namespace {

constexpr CLSID kDecoderClsid{0x7E570010, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x10}};
constexpr CLSID kRendererClsid{0x7E570011, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x11}};
constexpr CLSID kFileSourceClsid{0x7E570012, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x12}};
constexpr CLSID kSplittingSourceClsid{0x7E570015, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x15}};
constexpr CLSID kSplitterClsid{0x7E570013, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0x13}};

// What the self-splitting source offers; the splitter takes the first of
// them out of a file. Set per case.
std::vector<MediaType> g_streams;

template <typename F, typename... Args>
ClassFactory FactoryMaking(Args... args) {
  return [=](REFIID riid, void** ppv) -> HRESULT {
    auto filter = MakeCom<F>(args...);
    return filter->QueryInterface(riid, ppv);
  };
}

// Installed: a decoder (A -> Decoded), a renderer (Decoded), a splitter
// (Stream -> the first of g_streams), a file source offering Stream for ".tst", a
// self-splitting source for ".multi".
class BuildingTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    CoRegisterClass(kDecoderClsid, FactoryMaking<TestPassThrough>(kSubtypeA, kSubtypeDecoded));
    CoRegisterClass(kRendererClsid, FactoryMaking<TestSink>(1, kSubtypeDecoded));
    CoRegisterClass(kSplitterClsid, [](REFIID riid, void** ppv) {
      return MakeCom<TestPassThrough>(kSubtypeStream, g_streams.at(0).subtype)->QueryInterface(riid, ppv);
    });
    CoRegisterClass(kFileSourceClsid,
                    FactoryMaking<TestSource>(std::vector{TypeOf(kSubtypeStream, MEDIATYPE_Stream)}, 0));
    CoRegisterClass(kSplittingSourceClsid, [](REFIID riid, void** ppv) {
      return MakeCom<TestSource>(g_streams, 0)->QueryInterface(riid, ppv);
    });
    RegisterFilter({kRendererClsid, u"Renderer", MERIT_NORMAL});
    RegisterFilter({kDecoderClsid, u"Decoder", MERIT_NORMAL});
    RegisterFilter({kSplitterClsid, u"Splitter", MERIT_NORMAL});
    RegisterSourceExtension(".tst", kFileSourceClsid);
    RegisterSourceExtension(".Multi", kSplittingSourceClsid);  // extensions match in any case
  }
  void TearDown() override {
    for (const CLSID& clsid :
         {kDecoderClsid, kRendererClsid, kSplitterClsid, kFileSourceClsid, kSplittingSourceClsid}) {
      UnregisterFilter(clsid);
      CoUnregisterClass(clsid);
    }
    UnregisterSourceExtension(".tst");
    UnregisterSourceExtension(".multi");
    g_streams.clear();
    GraphTest::TearDown();
  }
};

// Each file is rendered in the same graph; a failed render takes out again
// every filter it added, a partial one keeps the streams that rendered.
TEST_F(BuildingTest, RenderFileAnswersHowMuchItRendered) {
  const MediaType a = TypeOf(kSubtypeA), b = TypeOf(kSubtypeB), decoded = TypeOf(kSubtypeDecoded);
  const struct {
    const char16_t* file;
    std::vector<MediaType> streams;
    HRESULT expected;
    std::size_t added;
  } cases[] = {
      {u"/videos/clip.tst", {a}, S_OK, 4},  // source, splitter, decoder, renderer
      // the splitter takes the file, but nothing renders behind it
      {u"/videos/clip.tst", {b}, VFW_E_CANNOT_RENDER, 0},
      {u"/videos/clip.MULTI", {a, decoded}, S_OK, 4},  // decoder + renderer, renderer
      {u"/videos/clip.multi", {b, a, b}, VFW_S_PARTIAL_RENDER, 3},
      {u"/videos/clip.multi", {b}, VFW_E_UNSUPPORTED_STREAM, 0},  // nothing takes any pin
      {u"/videos/missing.tst", {a}, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), 0},
      {u"/videos/clip.unknown", {a}, REGDB_E_CLASSNOTREG, 0},  // no File Source installed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(WideToUtf8(WideView(c.file)));
    g_streams = c.streams;
    const std::size_t before = Filters().size();
    EXPECT_EQ(graph->RenderFile(c.file, nullptr), c.expected);
    EXPECT_EQ(Filters().size() - before, c.added);
  }
}

}  // namespace
