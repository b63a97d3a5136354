// A fresh Filter Graph Manager per test, created the way the program creates
// it, and the check that every test filter was destroyed once it is released.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/com/com_runtime.h"
#include "platform/dshow/core/filter_registry.h"
#include "test_filters.h"

class GraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    InstallCoreClasses();
    ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(graph.ReleaseAndGetAddressOf())),
              S_OK);
    ASSERT_EQ(graph.As(control), S_OK);
    ASSERT_EQ(graph.As(events), S_OK);
  }
  void TearDown() override {
    control = nullptr;
    events = nullptr;
    graph = nullptr;
    EXPECT_EQ(testfilters::g_liveFilters.load(), 0) << "a filter outlived the graph";
    CoUninitialize();
  }

 public:
  // Adds a filter the test made and keeps only the graph's reference to it,
  // returning a plain pointer that lives as long as the graph holds it.
  template <typename F>
  F* Add(ComPtr<F> filter, const char16_t* name) {
    EXPECT_TRUE(SUCCEEDED(graph->AddFilter(filter.Get(), name)));
    return filter.Get();
  }

  // The graph's filters in enumeration order; the graph holds each.
  std::vector<IBaseFilter*> Filters() {
    ComPtr<IEnumFilters> all;
    EXPECT_EQ(graph->EnumFilters(all.ReleaseAndGetAddressOf()), S_OK);
    std::vector<IBaseFilter*> filters;
    IBaseFilter* filter = nullptr;
    while (all->Next(1, &filter, nullptr) == S_OK) {
      filters.push_back(filter);
      filter->Release();
    }
    return filters;
  }

  // Samples flow as fast as the filters go, never held for a clock.
  ComPtr<IMediaFilter> WithoutClock() {
    ComPtr<IMediaFilter> filter;
    graph.As(filter);
    filter->SetSyncSource(nullptr);
    return filter;
  }

  // Runs without a clock and waits for the run to end; the event code.
  LONG RunToEnd(LONG timeoutMs = 60000) {
    WithoutClock();
    EXPECT_EQ(control->Run(), S_OK);
    LONG code = 0;
    EXPECT_EQ(events->WaitForCompletion(timeoutMs, &code), S_OK);
    return code;
  }

  ComPtr<IGraphBuilder> graph;
  ComPtr<IMediaControl> control;
  ComPtr<IMediaEvent> events;
};
