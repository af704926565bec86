#include "framework/dialog/DDX.h"

#include "framework/dialog/AfxMessageBox.h"
#include "framework/dialog/CDataExchange.h"
#include "framework/stdcontrols/CButton.h"
#include "framework/stdcontrols/internal/EditWidget.h"
#include "framework/types/ByteText.h"
#include "framework/window/CWnd.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <string>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// An optional sign and digits with blanks or tabs around them.
bool ParseInt(const std::string& text, int* value) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    // from_chars takes a minus sign but no plus sign.
    if (begin < end && text[begin] == '+') {
        ++begin;
        if (begin == end || text[begin] == '-')
            return false;
    }
    long long number = 0;
    const auto [rest, error] = std::from_chars(text.data() + begin, text.data() + end, number);
    if (error != std::errc() || rest != text.data() + end ||
        number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    *value = static_cast<int>(number);
    return true;
}

// `format` with %1 and %2 replaced by the numbers.
std::string Format(std::string format, int first, int second = 0) {
    for (const auto& [mark, number] : {std::pair{"%1", first}, std::pair{"%2", second}})
        if (const size_t at = format.find(mark); at != std::string::npos)
            format.replace(at, 2, std::to_string(number));
    return format;
}

[[noreturn]] void Reject(CDataExchange& dx, const std::string& warning) {
    AfxMessageBox(warning, MB_ICONEXCLAMATION);
    dx.Fail();
}

CWnd* Control(HWND handle) {
    return CWnd::FromHandle(handle);
}
} // namespace

void DDX_Text(CDataExchange& dx, int nIDC, std::string& value) {
    CWnd* control = Control(dx.PrepareEditCtrl(nIDC));
    if (dx.m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange& dx, int nIDC, int& value) {
    CWnd* control = Control(dx.PrepareEditCtrl(nIDC));
    if (!dx.m_bSaveAndValidate) {
        control->SetWindowText(std::to_string(value));
        return;
    }
    std::string text;
    control->GetWindowText(text);
    if (!ParseInt(text, &value))
        Reject(dx, "Please enter an integer.");
}

void DDX_Check(CDataExchange& dx, int nIDC, int& value) {
    auto* button = dynamic_cast<CButton*>(Control(dx.PrepareCtrl(nIDC)));
    if (button == nullptr)
        return;
    if (dx.m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DDX_Control(CDataExchange& dx, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr && !rControl.SubclassWindow(dx.PrepareCtrl(nIDC)))
        throw std::logic_error("data exchange: control " + std::to_string(nIDC) +
                               " already has an object attached");
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int nChars) {
    if (!dx.m_bEditLastControl)
        return;
    if (!dx.m_bSaveAndValidate) {
        if (auto* edit =
                dynamic_cast<EditWidget*>(dx.m_pDlgWnd->GetDlgItem(dx.m_idLastControl)->m_hWnd))
            edit->SetLimit(nChars);
        return;
    }
    if (ByteText::ToDisplay(value).size() > nChars)
        Reject(dx, Format("Please enter no more than %1 characters.", nChars));
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minVal, int maxVal) {
    if (dx.m_bSaveAndValidate && (value < minVal || value > maxVal))
        Reject(dx, Format("Please enter an integer between %1 and %2.", minVal, maxVal));
}
