#include "registerwindows.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "frmabout.h"
#include "program.h"

namespace {

template<class T> void Register(Program &program)
{
    program.RegisterWindow(T::Name, [](Program &p) { return std::make_unique<T>(p); });
}

} // namespace

void RegisterWindows(Program &program)
{
    Register<Form1>(program);
    Register<Form2>(program);
    Register<Form3>(program);
    Register<Form4>(program);
    Register<Form5>(program);
    Register<frmAbout>(program);
}
