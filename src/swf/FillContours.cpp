#include "swf/FillContours.h"

#include <algorithm>
#include <map>
#include <utility>

namespace swf {
namespace {

using Key = std::pair<double, double>;
Key KeyOf(Point p) { return {p.X, p.Y}; }

FillEdge Reversed(const FillEdge& e) {
    FillEdge r;
    r.From = e.Edge.To;
    r.Edge = {e.Edge.Control, e.From, e.Edge.Curve};
    r.Fill = e.Fill;
    return r;
}

// Follows chains of edges end to start and closes those that stay open.
void CloseChains(std::vector<FillEdge>& edges, size_t first) {
    std::multimap<Key, size_t> starts;
    for (size_t i = first; i < edges.size(); ++i)
        starts.emplace(KeyOf(edges[i].From), i);
    size_t count = edges.size();
    std::vector<bool> used(count, false);
    for (size_t i = first; i < count; ++i) {
        if (used[i])
            continue;
        Point chainStart = edges[i].From;
        size_t at = i;
        while (true) {
            used[at] = true;
            starts.erase(std::find_if(starts.lower_bound(KeyOf(edges[at].From)), starts.end(),
                                      [at](const auto& entry) { return entry.second == at; }));
            auto next = starts.find(KeyOf(edges[at].Edge.To));
            if (next == starts.end())
                break;
            at = next->second;
        }
        Point end = edges[at].Edge.To;
        if (!(end == chainStart))
            edges.push_back({end, {{}, chainStart, false}, edges[i].Fill});
    }
}

void AddPathEdges(const Path& path, std::vector<std::vector<FillEdge>>& byFill) {
    Point from = path.Start;
    for (const Segment& s : path.Segments) {
        FillEdge e{from, s, 0};
        if (path.Fill1 != 0) {
            e.Fill = path.Fill1;
            byFill[path.Fill1].push_back(e);
        }
        if (path.Fill0 != 0 && path.Fill0 != path.Fill1) {
            e.Fill = path.Fill0;
            byFill[path.Fill0].push_back(Reversed(e));
        }
        from = s.To;
    }
}

} // namespace

// Each fill belongs to the style array, and so the layer, of the paths
// that use it.
std::vector<FillLayer> BuildFillLayers(const Shape& shape) {
    std::vector<FillLayer> layers(shape.Layers);
    std::vector<std::vector<FillEdge>> byFill(shape.Fills.size() + 1);
    std::vector<uint32_t> layerOf(shape.Fills.size() + 1, 0);
    for (const Path& path : shape.Paths) {
        AddPathEdges(path, byFill);
        layerOf[path.Fill0] = layerOf[path.Fill1] = path.Layer;
    }
    for (size_t fill = 1; fill < byFill.size(); ++fill) {
        if (layerOf[fill] >= shape.Layers)
            continue;
        auto& edges = layers[layerOf[fill]].Edges;
        size_t first = edges.size();
        edges.insert(edges.end(), byFill[fill].begin(), byFill[fill].end());
        CloseChains(edges, first);
    }
    return layers;
}

} // namespace swf
