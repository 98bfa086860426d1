#include "registerwindows.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "frmabout.h"
#include "program.h"

namespace {

template<class T> void registerOne(Program &program)
{
    program.registerWindow(T::Name, [](Program &p) { return std::make_unique<T>(p); });
}

} // namespace

void registerWindows(Program &program)
{
    registerOne<Form1>(program);
    registerOne<Form2>(program);
    registerOne<Form3>(program);
    registerOne<Form4>(program);
    registerOne<Form5>(program);
    registerOne<frmAbout>(program);
}
