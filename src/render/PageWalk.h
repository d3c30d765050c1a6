#pragma once
// The walk over a fitted page's objects that every drawing of a page shares: the renderer's
// canvases and the metafile writer draw the same objects in the same order.

#include "render/PageFit.h"

#include <type_traits>
#include <variant>

/**
 * Calls draw(object, body) for every object of the page in drawing order (the layout's object
 * order), body being the object's fitted content in its own type (TFittedSingleLine, TFittedGrid,
 * ...), so that a drawing is a set of overloads, one per kind of content. An object without
 * content is passed over.
 */
template <typename Draw>
void WalkPage(const TFittedPage& page, Draw&& draw)
{
    for (const TFittedObject& object : page.Objects) {
        std::visit(
            [&](const auto& body) {
                if constexpr (!std::is_same_v<std::decay_t<decltype(body)>, std::monostate>)
                    draw(object, body);
            },
            object.Body);
    }
}
