#pragma once
// Finding and ending the design sessions that run on a form, before the form's controls are
// replaced or changed from a stream.

class TCustomForm;

/// Ends every design session that wraps controls of Form, whoever owns its designer, so that
/// no overlay is left over a control that a load destroys or moves.
void EndSessionsOn(TCustomForm* Form);
