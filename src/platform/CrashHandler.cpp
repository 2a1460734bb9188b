#include "platform/CrashHandler.h"

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <execinfo.h>  // Required for: backtrace(), backtrace_symbols_fd()
#include <fcntl.h>     // Required for: open()
#include <ucontext.h>  // Required for: ucontext_t, the registers where the fault happened
#include <unistd.h>    // Required for: write(), read(), close()

namespace
{
constexpr int HandledSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t HandledSignalCount = sizeof(HandledSignals) / sizeof(HandledSignals[0]);

// Static storage only: nothing may be allocated once the process has crashed.
alignas(16) char alternateStack[64 * 1024];
stack_t previousStack;
struct sigaction previousActions[HandledSignalCount];
std::terminate_handler previousTerminate = nullptr;
bool installed = false;

volatile std::sig_atomic_t reporting = 0;
// The uncaught exception's message, copied by the terminate handler before it aborts.
char terminateReason[512];
volatile std::sig_atomic_t terminateReasonSet = 0;

const char* SignalName(int signal)
{
  switch (signal)
  {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "unknown signal";
  }
}

void WriteText(int file, const char* text)
{
  std::size_t length = 0;
  while (text[length] != '\0')
    ++length;
  while (length > 0)
  {
    const ssize_t written = write(file, text, length);
    if (written <= 0)
      return;
    text += written;
    length -= static_cast<std::size_t>(written);
  }
}

void WriteDecimal(int file, long value)
{
  char digits[24];
  char* end = digits + sizeof(digits) - 1;
  *end = '\0';
  char* at = end;
  const bool negative = value < 0;
  unsigned long magnitude = negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do
  {
    *--at = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative)
    *--at = '-';
  WriteText(file, at);
}

void WriteHexadecimal(int file, std::uintptr_t value)
{
  char digits[2 + 2 * sizeof(value) + 1];
  char* end = digits + sizeof(digits) - 1;
  *end = '\0';
  char* at = end;
  do
  {
    *--at = "0123456789abcdef"[value & 0xF];
    value >>= 4;
  } while (value != 0);
  *--at = 'x';
  *--at = '0';
  WriteText(file, at);
}

void CopyFile(int destination, const char* path)
{
  const int source = open(path, O_RDONLY);
  if (source < 0)
  {
    WriteText(destination, "(unavailable)\n");
    return;
  }
  char buffer[4096];
  for (;;)
  {
    const ssize_t count = read(source, buffer, sizeof(buffer));
    if (count <= 0)
      break;
    ssize_t done = 0;
    while (done < count)
    {
      const ssize_t written = write(destination, buffer + done, static_cast<std::size_t>(count - done));
      if (written <= 0)
        break;
      done += written;
    }
  }
  close(source);
}

// Whether the address lies in a mapping of the process with that permission ('r' or 'x'), read
// from /proc/self/maps line by line ("start-end perms ..."), with no allocation.
bool IsMapped(std::uintptr_t address, char permission)
{
  const int maps = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
  if (maps < 0)
    return false;
  const int permissionColumn = permission == 'x' ? 2 : 0;
  // The fields of the line being read: 0 start, 1 end, 2 permissions, 3 the rest.
  int field = 0;
  int permissionAt = 0;
  std::uintptr_t start = 0;
  std::uintptr_t end = 0;
  bool permitted = false;
  bool found = false;
  char buffer[4096];
  ssize_t count = 0;
  while (!found && (count = read(maps, buffer, sizeof(buffer))) > 0)
  {
    for (ssize_t at = 0; at < count && !found; ++at)
    {
      const char character = buffer[at];
      if (character == '\n')
      {
        found = permitted && start <= address && address < end;
        field = 0;
        permissionAt = 0;
        start = end = 0;
        permitted = false;
      }
      else if (field < 2 && character == (field == 0 ? '-' : ' '))
        ++field;
      else if (field < 2)
      {
        const int digit = character >= 'a' ? character - 'a' + 10 : character - '0';
        std::uintptr_t& value = field == 0 ? start : end;
        value = value * 16 + static_cast<std::uintptr_t>(digit);
      }
      else if (field == 2)
      {
        if (character == ' ')
          field = 3;
        else if (permissionAt++ == permissionColumn)
          permitted = character == permission;
      }
    }
  }
  close(maps);
  return found;
}

// The registers of the interrupted code that the report needs. When a call jumped to an address
// that holds no code, the caller is where that call would have returned.
struct FaultPlace
{
  std::uintptr_t programCounter = 0;
  std::uintptr_t returnAddress = 0;
};

#if defined(__x86_64__)
constexpr bool RegistersKnown = true;

FaultPlace PlaceOf(const ucontext_t& context)
{
  FaultPlace place;
  place.programCounter = static_cast<std::uintptr_t>(context.uc_mcontext.gregs[REG_RIP]);
  // Right after a call the stack's top holds the return address.
  const auto stackTop = static_cast<std::uintptr_t>(context.uc_mcontext.gregs[REG_RSP]);
  if (IsMapped(stackTop, 'r'))
    place.returnAddress = *reinterpret_cast<const std::uintptr_t*>(stackTop);
  return place;
}

// Makes the interrupted code look as if the call to a bad address had returned already, so that
// unwinding through the signal frame goes on from the caller.
void ReturnFromBadCall(ucontext_t& context)
{
  context.uc_mcontext.gregs[REG_RIP] = *reinterpret_cast<const greg_t*>(context.uc_mcontext.gregs[REG_RSP]);
  context.uc_mcontext.gregs[REG_RSP] += static_cast<greg_t>(sizeof(std::uintptr_t));
}
#elif defined(__aarch64__)
constexpr bool RegistersKnown = true;

FaultPlace PlaceOf(const ucontext_t& context)
{
  FaultPlace place;
  place.programCounter = static_cast<std::uintptr_t>(context.uc_mcontext.pc);
  place.returnAddress = static_cast<std::uintptr_t>(context.uc_mcontext.regs[30]);  // the link register
  return place;
}

void ReturnFromBadCall(ucontext_t& context)
{
  context.uc_mcontext.pc = context.uc_mcontext.regs[30];
}
#else
constexpr bool RegistersKnown = false;

FaultPlace PlaceOf(const ucontext_t&)
{
  return FaultPlace();
}

void ReturnFromBadCall(ucontext_t&) {}
#endif

void WriteFrame(int file, std::uintptr_t address)
{
  void* frame[1] = {reinterpret_cast<void*>(address)};
  backtrace_symbols_fd(frame, 1, file);
}

// The frames from the one that faulted outwards. The unwinder goes through the handler's own
// frames and the signal frame into the interrupted code; those first frames say nothing of the
// crash and are left out. A fault in a call to a bad address (a dead object's virtual function)
// leaves nothing to unwind at that address: the walk starts at the caller instead.
void WriteBacktrace(int file, void* signalContext)
{
  void* frames[128];
  if (signalContext == nullptr || !RegistersKnown)
  {
    backtrace_symbols_fd(frames, backtrace(frames, 128), file);
    return;
  }
  ucontext_t& context = *static_cast<ucontext_t*>(signalContext);
  const ucontext_t interrupted = context;
  const FaultPlace place = PlaceOf(context);
  std::uintptr_t start = place.programCounter;
  // A null function pointer or virtual function slot is the common case: address 0.
  if (!IsMapped(start, 'x') && IsMapped(place.returnAddress, 'x'))
  {
    WriteFrame(file, start);
    ReturnFromBadCall(context);
    start = place.returnAddress;
  }
  const int frameCount = backtrace(frames, 128);
  // As it was: a core file shows the registers of the fault.
  context = interrupted;
  int first = 0;
  while (first < frameCount && reinterpret_cast<std::uintptr_t>(frames[first]) != start)
    ++first;
  if (first == frameCount)
  {
    // The unwinder did not reach the interrupted code: the faulting frame alone, then what it found.
    WriteFrame(file, start);
    first = 0;
  }
  backtrace_symbols_fd(frames + first, frameCount - first, file);
}

void WriteReport(int signal, const siginfo_t* info, void* signalContext)
{
  const int file = open(CrashHandler::ReportFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (file < 0)
    return;  // no report is possible; the crash itself still goes on
  WriteText(file, "Corvane crash report\n");
  WriteText(file, "Signal: ");
  WriteDecimal(file, signal);
  WriteText(file, " (");
  WriteText(file, SignalName(signal));
  WriteText(file, ")\n");
  if (info != nullptr)
  {
    WriteText(file, "Code: ");
    WriteDecimal(file, info->si_code);
    WriteText(file, "\nAddress: ");
    WriteHexadecimal(file, reinterpret_cast<std::uintptr_t>(info->si_addr));
    WriteText(file, "\n");
  }
  WriteText(file, "Process: ");
  WriteDecimal(file, static_cast<long>(getpid()));
  WriteText(file, "\n");
  if (terminateReasonSet)
  {
    WriteText(file, "Terminated: ");
    WriteText(file, terminateReason);
    WriteText(file, "\n");
  }
  WriteText(file, "\nBacktrace:\n");
  WriteBacktrace(file, signalContext);
  WriteText(file, "\nMemory map:\n");
  CopyFile(file, "/proc/self/maps");
  close(file);
}

void OnCrashSignal(int signal, siginfo_t* info, void* context)
{
  // A second fault while reporting (or in another thread) must not loop: it only ends the process.
  if (reporting == 0)
  {
    reporting = 1;
    WriteReport(signal, info, context);
  }
  // Back to the default action, then raise again: the process ends as the crash it was. The signal
  // is blocked inside this handler, so it is delivered as soon as the handler returns.
  std::signal(signal, SIG_DFL);
  raise(signal);
}

void CopyReason(const char* prefix, const char* text)
{
  std::size_t at = 0;
  const char* parts[] = {prefix, text};
  for (const char* part : parts)
    for (std::size_t i = 0; part[i] != '\0' && at + 1 < sizeof(terminateReason); ++i)
      terminateReason[at++] = part[i] == '\n' ? ' ' : part[i];
  terminateReason[at] = '\0';
  terminateReasonSet = 1;
}

[[noreturn]] void OnTerminate()
{
  // Not a signal handler: finding the exception's message is allowed here.
  CopyReason("std::terminate called", "");
  if (const std::exception_ptr current = std::current_exception())
  {
    try
    {
      std::rethrow_exception(current);
    }
    catch (const std::exception& exception)
    {
      CopyReason("uncaught exception: ", exception.what());
    }
    catch (...)
    {
      CopyReason("uncaught exception of unknown type", "");
    }
  }
  std::abort();
}
}  // namespace

void CrashHandler::Install()
{
  if (installed)
    return;
  // The first backtrace loads the unwinder; doing it now keeps dlopen out of the signal handler.
  void* warmUp[1];
  backtrace(warmUp, 1);

  stack_t stack{};
  stack.ss_sp = alternateStack;
  stack.ss_size = sizeof(alternateStack);
  stack.ss_flags = 0;
  sigaltstack(&stack, &previousStack);

  for (std::size_t i = 0; i < HandledSignalCount; ++i)
  {
    struct sigaction action{};
    action.sa_sigaction = OnCrashSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(HandledSignals[i], &action, &previousActions[i]);
  }
  previousTerminate = std::set_terminate(OnTerminate);
  installed = true;
}

void CrashHandler::Uninstall()
{
  if (!installed)
    return;
  for (std::size_t i = 0; i < HandledSignalCount; ++i)
    sigaction(HandledSignals[i], &previousActions[i], nullptr);
  std::set_terminate(previousTerminate);
  sigaltstack(&previousStack, nullptr);
  installed = false;
}

bool CrashHandler::IsInstalled()
{
  return installed;
}
