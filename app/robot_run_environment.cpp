// Construction order matters: the engine borrows the store and the host, the runner the engine.
#include "app/robot_run_environment.h"

RobotRunEnvironment::RobotRunEnvironment(const std::string& scriptFolder,
                                         ScriptEngineRun::ShowMessageFunction showMessage)
    : m_host(CreatePlatformHost(false)),
      m_source(ReadIncludeFolders()),
      m_engine(m_source, *m_host),
      m_engineRun(m_engine, std::move(showMessage)),
      m_runner(m_source, m_engineRun, scriptFolder) {}
