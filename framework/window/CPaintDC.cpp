#include "framework/window/CPaintDC.h"

#include "framework/window/CWnd.h"

#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* pWnd) : CPaintDC(std::make_unique<QPainter>(pWnd->ClientHandle())) {}

CPaintDC::CPaintDC(std::unique_ptr<QPainter> painter)
    : CDC(painter.get()), m_ownPainter(std::move(painter)) {}

CPaintDC::~CPaintDC() = default;
