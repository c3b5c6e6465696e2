// SPDX-License-Identifier: MIT
#include "content/art/Canvas.h"

namespace qv::art {

namespace {
int currentDetail = 1;
} // namespace

void Canvas::setDetail(int detail) {
    currentDetail = detail < 1 ? 1 : detail;
}

int Canvas::detail() {
    return currentDetail;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * currentDetail,
                                          height * currentDetail)) {
    // Set before the context is made, so that its transformation starts
    // from the scale.
    cairo_surface_set_device_scale(surface_.get(), currentDetail, currentDetail);
    context_.reset(cairo_create(surface_.get()));
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(context_.get(), options);
    cairo_font_options_destroy(options);
}

bool Canvas::ok() const {
    return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_status(context_.get()) == CAIRO_STATUS_SUCCESS;
}

} // namespace qv::art
