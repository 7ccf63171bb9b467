#pragma once

#include "swf/Rasterizer.h"

#include <vector>

namespace swf {

// The fast rasterizer: every edge adds its exact signed area to a cell row of
// its fill, and one running sum along each row turns the cells into coverage.
// Without anti-aliasing each row is sampled once through its pixel centres.
// Cell rows are lent to fills only while a row touches them, so a shape with
// thousands of fills needs no more memory than its busiest row.
class ScanlineRasterizer : public Rasterizer {
public:
    void Run(const RasterJob& job, CoverageSink& sink) override;

private:
    void Prepare(const RasterJob& job);
    void AccumulateRow(const RasterJob& job, int y);
    void AddEdgeArea(const RasterEdge& e, int y);
    void AddEdgeSample(const RasterEdge& e, int y);
    void AddArea(uint32_t fill, float xa, float xb, float dy);
    void AddColumns(uint32_t fill, float xa, float xb, float dy);
    float* Cells(uint32_t fill, int lo, int hi);
    void EmitRow(const RasterJob& job, int y, CoverageSink& sink);

    int width_ = 0, clipX0_ = 0;
    std::vector<float> cells_; // rows of width_ + 2, lent out by slot
    std::vector<uint32_t> freeSlots_;
    uint32_t slotCount_ = 0;
    std::vector<int> slot_, lo_, hi_; // per fill, for the current row
    std::vector<uint32_t> touched_;
    std::vector<uint32_t> order_; // drawable edges by top
    std::vector<uint32_t> active_;
    std::vector<float> coverage_;
};

} // namespace swf
