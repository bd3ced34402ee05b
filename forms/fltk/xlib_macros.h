// Xlib, which FLTK includes, defines Status as a macro; the forms model has a
// type of that name. Include this right after FLTK or X headers and before
// any model header. (No include guard: undefining again is harmless.)
#undef Status
