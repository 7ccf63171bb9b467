#pragma once

#include "swf/BlendMode.h"
#include "swf/Dictionary.h"
#include "swf/DisplayObject.h"
#include "swf/FontProvider.h"
#include "swf/LayerCache.h"
#include "swf/ShapeRenderer.h"
#include "swf/TextRenderer.h"
#include "swf/filters/FilterImage.h"

namespace swf {

class Timeline;

// Draws a display list, nested sprites and clip masks included.
class StageRenderer {
public:
    StageRenderer(Canvas& canvas, const Dictionary& dictionary, FontProvider& fonts, int layers = 0);

    void DrawList(const DisplayList& list, const DrawState& state);
    // What scripts drew into the timeline, then its objects.
    void DrawTimeline(const Timeline& timeline, const DrawState& state);

    // Filtered and cached objects keep their layers here between frames.
    void UseCache(LayerCache* cache) { cache_ = cache; }
    // Filters are sized by the view's scale alone (1 unless told).
    void UseView(const Matrix& view);

private:
    void DrawObject(const DisplayObject& object, const DrawState& parent);
    bool PushScriptMask(const DisplayObject& object, const DrawState& parent);
    void DrawContent(const DisplayObject& object, const DrawState& state);
    bool DrawnApart(const DisplayObject& object) const;
    void DrawIsolated(const DisplayObject& object, const DrawState& state);
    FilterImage DrawLayer(const DisplayObject& object, const Matrix& toDevice, BlendMode mode);
    void DrawCharacter(const Character& character, const DisplayObject* object, const DrawState& state);
    void DrawButton(const Button& button, const DisplayObject* object, const DrawState& state);
    void DrawFilteredRecord(const ButtonRecord& record, const Character& character, const DrawState& state);
    void DrawSpriteAtRest(const Sprite& sprite, const DrawState& state);

    // Buttons and sprites drawn without a running timeline may contain
    // themselves, more than once; past this depth, or this many characters
    // in one frame, nothing more is drawn.
    static constexpr int MaxDepth = 64;
    static constexpr long MaxCharacters = 200000;
    // Objects with a blend mode or filters are drawn into a layer of their
    // own, each a copy of the target's size; deeper ones are drawn directly.
    static constexpr int MaxLayers = 4;

    Canvas& canvas_;
    const Dictionary& dictionary_;
    FontProvider& fonts_;
    int layers_;
    BitmapLookup bitmaps_;
    ShapeRenderer shapes_;
    TextRenderer text_;
    int depth_ = 0;
    long budget_ = MaxCharacters;
    LayerCache* cache_ = nullptr;
    FilterScale view_;
};

} // namespace swf
