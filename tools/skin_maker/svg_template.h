#pragma once
// Parameterised SVG: the skins' control pictures are written once per control kind, with
// placeholders for sizes, states and the colours of each skin's palette.
//
//   @name@        a parameter of the picture; a value "$role" is the palette's colour of that role
//   @$role@       the palette's colour of that role
//   @on?A:B@      A when the parameter "on" is not 0, else B (each a parameter, "$role" or literal)
//   @{W-2*r}@     arithmetic (+ - * / and brackets) over numeric parameters, W and H (size in
//                 layout pixels), S (the scale of the resolution class) and PX (one device pixel)
//   @ICON@        the drawing of the icon named by the parameter "icon" (@ICON:param@ for another)
#include <functional>
#include <map>
#include <string>

struct TemplateContext {
    std::map<std::string, std::string> params;
    std::map<std::string, std::string> palette;
    // Gives the inner drawing of an icon (24 x 24 units); false when there is none of that name.
    std::function<bool(const std::string& name, std::string& drawing)> icon;
    double width = 0;
    double height = 0;
    double scale = 1;
};

bool ExpandTemplate(const std::string& text, const TemplateContext& context, std::string& out,
                    std::string& error);
bool EvaluateExpression(const std::string& expression, const TemplateContext& context,
                        double& value, std::string& error);
// Up to three decimals, without trailing zeros: 3, 0.5, 1.167.
std::string FormatNumber(double value);
