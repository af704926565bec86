#include "CDC.h"

#include <QPainter>

CDC::CDC(QPainter* painter) : m_painter(painter) {}

CDC::~CDC() = default;
