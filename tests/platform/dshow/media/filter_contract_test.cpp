// What the individual filters promise the graph and the program: which types
// the multiplexer takes, writing without interleaving, the splitter's
// progress and what it refuses.
#include "platform/dshow/media/splitter.h"
#include "platform/dshow/media/stream_format.h"
#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/rewrap_checks.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

using FilterContractTest = MediaGraphTest;

MediaType TypeFor(AVCodecID codec, AVMediaType kind, bool withFormatObject) {
  AVCodecParameters* params = avcodec_parameters_alloc();
  params->codec_type = kind;
  params->codec_id = codec;
  ComPtr<StreamFormat> format = StreamFormat::Create(*params, AVRational{1, 1000});
  avcodec_parameters_free(&params);
  MediaType mt = CompressedMediaType(format.Get());
  if (!withFormatObject) mt.SetFormatObject(nullptr);
  return mt;
}

TEST_F(FilterContractTest, MultiplexerTakesOnlyWhatMatroskaCarriesWithCodecParameters) {
  const ComPtr<IBaseFilter> muxer = MakeFilter(CLSID_MatroskaMuxer);
  ASSERT_TRUE(muxer);
  const ComPtr<IPin> input = FreePin(muxer.Get(), PINDIR_INPUT);
  ASSERT_TRUE(input);
  auto accepts = [&](AVCodecID codec, AVMediaType kind, bool withFormatObject) {
    const MediaType mt = TypeFor(codec, kind, withFormatObject);
    return input->QueryAccept(&mt);
  };
  EXPECT_EQ(accepts(AV_CODEC_ID_H264, AVMEDIA_TYPE_VIDEO, true), S_OK);
  EXPECT_EQ(accepts(AV_CODEC_ID_WMV2, AVMEDIA_TYPE_VIDEO, true), S_OK);
  EXPECT_EQ(accepts(AV_CODEC_ID_H264, AVMEDIA_TYPE_VIDEO, false), S_FALSE);
  EXPECT_EQ(accepts(AV_CODEC_ID_MOV_TEXT, AVMEDIA_TYPE_SUBTITLE, true), S_FALSE);
  EXPECT_EQ(accepts(AV_CODEC_ID_BIN_DATA, AVMEDIA_TYPE_DATA, true), S_FALSE);
  const MediaType stream(MEDIATYPE_Stream, MEDIASUBTYPE_None);
  EXPECT_EQ(input->QueryAccept(&stream), S_FALSE);
}

// Without full interleaving packets go to the muxer as they come; the file
// must be just as complete. Written as they come, the AAC encoder delay
// (audio starting 21 ms before the video) cannot be shifted away as the
// interleaving muxer does, so the duration may differ by that lead.
TEST_F(FilterContractTest, WithoutInterleavingEveryPacketIsWritten) {
  ConversionGraph built;
  const fs::path output = ScratchDir("interleave_none") / "out.mkv";
  const MediaFixture& fixture = FixtureNamed("two_audio");
  ASSERT_EQ(BuildConversion(FixturePath(fixture), output, &built), S_OK);
  ComPtr<IConfigInterleaving> interleaving;
  ASSERT_EQ(built.muxer.As(interleaving), S_OK);
  ASSERT_EQ(interleaving->put_Mode(INTERLEAVE_NONE), S_OK);
  EXPECT_EQ(RunToCompletion(built.graph.Get()).eventCode, EC_COMPLETE);
  ExpectFaithfulRewrap(fixture, FixturePath(fixture), output, 0.025);
}

TEST_F(FilterContractTest, SplitterReportsDurationAndProgress) {
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(FixturePath(FixtureNamed("mp4")), ScratchDir("progress") / "out.mkv", &built),
            S_OK);
  ComPtr<IMediaSeeking> seeking;
  ASSERT_EQ(built.splitter.As(seeking), S_OK);
  LONGLONG duration = 0, position = -1;
  ASSERT_EQ(seeking->GetDuration(&duration), S_OK);
  EXPECT_NEAR(duration / 1e7, 2.0, 0.1);
  ASSERT_EQ(seeking->GetCurrentPosition(&position), S_OK);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(RunToCompletion(built.graph.Get()).eventCode, EC_COMPLETE);
  ASSERT_EQ(seeking->GetCurrentPosition(&position), S_OK);
  EXPECT_GT(position / 1e7, 1.5);
}

TEST_F(FilterContractTest, SplitterRefusesBytesLibavformatDoesNotRecognise) {
  ComPtr<IGraphBuilder> graph = MakeGraph();
  ComPtr<IBaseFilter> source;
  ASSERT_EQ(
      graph->AddSourceFilter(Wide(RandomBytesFile()).c_str(), u"Source", source.ReleaseAndGetAddressOf()),
      S_OK);
  const ComPtr<IBaseFilter> splitter = MakeFilter(CLSID_CorvaneSplitter);
  ASSERT_EQ(graph->AddFilter(splitter.Get(), u"Splitter"), S_OK);
  EXPECT_EQ(graph->ConnectDirect(FreePin(source.Get(), PINDIR_OUTPUT).Get(),
                                 FreePin(splitter.Get(), PINDIR_INPUT).Get(), nullptr),
            VFW_E_TYPE_NOT_ACCEPTED);
  EXPECT_TRUE(PinsOf(splitter.Get(), PINDIR_OUTPUT, false).empty());
}

}  // namespace
