#pragma once
// One replaceable service: the installed implementation, else the built-in one.
namespace platform {

template <class Service> class Seam {
public:
    constexpr explicit Seam(Service& builtIn)
        : builtIn(builtIn)
    {
    }
    Service& get() const { return installed ? *installed : builtIn; }
    // Installs s (not owned; nullptr restores the built-in one). Returns the previous one.
    Service* install(Service* s)
    {
        Service* previous = installed;
        installed = s;
        return previous;
    }

private:
    Service& builtIn;
    Service* installed = nullptr;
};

} // namespace platform
