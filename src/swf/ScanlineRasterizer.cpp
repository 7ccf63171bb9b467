#include "swf/ScanlineRasterizer.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

float Top(const RasterEdge& e) { return std::min(e.Y0, e.Y1); }
float Bottom(const RasterEdge& e) { return std::max(e.Y0, e.Y1); }

bool Drawable(const RasterEdge& e, const RasterJob& job) {
    bool finite = std::isfinite(e.X0) && std::isfinite(e.Y0) && std::isfinite(e.X1) && std::isfinite(e.Y1);
    return finite && e.Y0 != e.Y1 && e.Fill < job.FillCount && Bottom(e) > float(job.Clip.Y0) &&
           Top(e) < float(job.Clip.Y1);
}

float XAt(const RasterEdge& e, float y) { return e.X0 + (y - e.Y0) * (e.X1 - e.X0) / (e.Y1 - e.Y0); }

} // namespace

void ScanlineRasterizer::Prepare(const RasterJob& job) {
    width_ = job.Clip.Width();
    clipX0_ = job.Clip.X0;
    cells_.clear();
    freeSlots_.clear();
    slotCount_ = 0;
    slot_.assign(job.FillCount, -1);
    lo_.assign(job.FillCount, 0);
    hi_.assign(job.FillCount, 0);
    touched_.clear();
    active_.clear();
    order_.clear();
    for (uint32_t i = 0; i < job.Edges.size(); ++i)
        if (Drawable(job.Edges[i], job))
            order_.push_back(i);
    std::sort(order_.begin(), order_.end(),
              [&](uint32_t a, uint32_t b) { return Top(job.Edges[a]) < Top(job.Edges[b]); });
}

void ScanlineRasterizer::Run(const RasterJob& job, CoverageSink& sink) {
    if (job.Clip.Empty())
        return;
    Prepare(job);
    size_t next = 0;
    int y = job.Clip.Y0;
    while (y < job.Clip.Y1 && (next < order_.size() || !active_.empty())) {
        if (active_.empty())
            y = std::max(y, static_cast<int>(std::floor(Top(job.Edges[order_[next]]))));
        if (y >= job.Clip.Y1)
            break;
        while (next < order_.size() && Top(job.Edges[order_[next]]) < float(y + 1))
            active_.push_back(order_[next++]);
        AccumulateRow(job, y);
        EmitRow(job, y, sink);
        std::erase_if(active_, [&](uint32_t i) { return Bottom(job.Edges[i]) <= float(y + 1); });
        ++y;
    }
}

void ScanlineRasterizer::AccumulateRow(const RasterJob& job, int y) {
    for (uint32_t i : active_) {
        if (job.Antialias)
            AddEdgeArea(job.Edges[i], y);
        else
            AddEdgeSample(job.Edges[i], y);
    }
}

void ScanlineRasterizer::AddEdgeArea(const RasterEdge& e, int y) {
    float ya = std::max(Top(e), float(y));
    float yb = std::min(Bottom(e), float(y + 1));
    if (yb <= ya)
        return;
    float dy = e.Y1 > e.Y0 ? yb - ya : ya - yb;
    AddArea(e.Fill, XAt(e, ya) - float(clipX0_), XAt(e, yb) - float(clipX0_), dy);
}

// Pixel centres at or right of the crossing are inside the edge's span.
void ScanlineRasterizer::AddEdgeSample(const RasterEdge& edge, int y) {
    RasterEdge e = OnSampleGrid(edge);
    float yc = float(y) + 0.5f;
    if (yc < Top(e) || yc >= Bottom(e))
        return;
    float x = XAt(e, yc) - float(clipX0_);
    int column = static_cast<int>(std::clamp(std::ceil(x - 0.5f), 0.0f, float(width_)));
    Cells(e.Fill, column, column)[column] += e.Y1 > e.Y0 ? 1.0f : -1.0f;
}

// Trims the part of a row segment outside the clip: left of it the segment
// acts as a vertical edge at the left border, right of it nothing is seen.
void ScanlineRasterizer::AddArea(uint32_t fill, float xa, float xb, float dy) {
    if (xa > xb)
        std::swap(xa, xb);
    float w = float(width_);
    if (xa >= w)
        return;
    if (xb <= 0) {
        AddColumns(fill, 0, 0, dy);
        return;
    }
    float span = xb - xa;
    if (xa < 0) {
        float left = dy * (-xa / span);
        AddColumns(fill, 0, 0, left);
        dy -= left;
        xa = 0;
    }
    if (xb > w) {
        dy -= dy * ((xb - w) / (xb - xa));
        xb = w;
    }
    AddColumns(fill, xa, xb, dy);
}

// A straight piece within one row and inside the clip: each column it
// crosses gets the area to its right, the next column the rest.
void ScanlineRasterizer::AddColumns(uint32_t fill, float xa, float xb, float dy) {
    int first = static_cast<int>(xa);
    int last = std::max(first, static_cast<int>(std::ceil(xb)) - 1);
    float* cells = Cells(fill, first, last + 1);
    float span = xb - xa;
    for (int c = first; c <= last; ++c) {
        float xs = std::max(xa, float(c)), xe = std::min(xb, float(c + 1));
        float d = span > 0 ? dy * (xe - xs) / span : dy;
        float mid = (xs + xe) / 2 - float(c);
        cells[c] += d * (1 - mid);
        cells[c + 1] += d * mid;
    }
}

float* ScanlineRasterizer::Cells(uint32_t fill, int lo, int hi) {
    if (slot_[fill] < 0) {
        if (freeSlots_.empty()) {
            freeSlots_.push_back(slotCount_++);
            cells_.resize(size_t(slotCount_) * size_t(width_ + 2), 0.0f);
        }
        slot_[fill] = static_cast<int>(freeSlots_.back());
        freeSlots_.pop_back();
        lo_[fill] = lo;
        hi_[fill] = hi;
        touched_.push_back(fill);
    }
    lo_[fill] = std::min(lo_[fill], lo);
    hi_[fill] = std::max(hi_[fill], hi);
    return cells_.data() + size_t(slot_[fill]) * size_t(width_ + 2);
}

void ScanlineRasterizer::EmitRow(const RasterJob& job, int y, CoverageSink& sink) {
    for (uint32_t fill : touched_) {
        float* cells = cells_.data() + size_t(slot_[fill]) * size_t(width_ + 2);
        int lo = lo_[fill], hi = std::min(hi_[fill] + 1, width_);
        float sum = 0;
        for (int x = lo; x < hi; ++x)
            sum += cells[x];
        // A fill whose right border lies beyond the clip runs to its edge.
        if (CoverageOf(job.Rule, sum) > 1e-4f)
            hi = width_;
        coverage_.resize(size_t(std::max(hi - lo, 0)));
        sum = 0;
        for (int x = lo; x < hi; ++x) {
            sum += x <= hi_[fill] ? cells[x] : 0.0f;
            coverage_[size_t(x - lo)] = CoverageOf(job.Rule, sum);
        }
        if (hi > lo)
            sink.Span(y, fill, job.Clip.X0 + lo, coverage_);
        std::fill(cells + lo, cells + hi_[fill] + 2, 0.0f);
        freeSlots_.push_back(static_cast<uint32_t>(slot_[fill]));
        slot_[fill] = -1;
    }
    touched_.clear();
    sink.EndRow(y);
}

} // namespace swf
