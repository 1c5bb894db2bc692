// Placeholder until the table view lands.
namespace tomaruk {}
