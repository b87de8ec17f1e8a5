#include "toolkit/cGuiRectangle.h"

#include <GL/gl.h>

void cGuiRectangle::draw() {
    GLfloat line_width = 1;
    glGetFloatv(GL_LINE_WIDTH, &line_width);
    glLineWidth(1);
    glColor4f(fill.r, fill.g, fill.b, fill.a);
    quad(x_, y_, x_ + width_, y_ + height_);
    glColor4f(outline.r, outline.g, outline.b, outline.a);
    glBegin(GL_LINE_LOOP);
    glVertex2f(x_, y_);
    glVertex2f(x_ + width_, y_);
    glVertex2f(x_ + width_, y_ + height_);
    glVertex2f(x_, y_ + height_);
    glEnd();
    glLineWidth(line_width);
}

bool cGuiRectangle::hit_test(float x, float y) const {
    return x > x_ && x < x_ + width_ && y > y_ && y < y_ + height_;
}

void cGuiRectangle::set_position(float x, float y) {
    x_ = x;
    y_ = y;
}

void cGuiRectangle::get_position(float& x, float& y) const {
    x = x_;
    y = y_;
}

void cGuiRectangle::set_size(float w, float h) {
    width_ = w;
    height_ = h;
}

void cGuiRectangle::quad(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
}

void cGuiRectangle::vertical_line(float x, float y0, float y1) {
    glBegin(GL_LINES);
    glVertex2f(x, y0);
    glVertex2f(x, y1);
    glEnd();
}
