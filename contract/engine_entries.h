#pragma once

// The table of engine entries, bound by name when the library is loaded. Every engine call of
// the game goes through one of these pointers; a name the library does not export stays null.

#include "contract/engine_api.h"

namespace lexo {

// All 198 entry names in binding order, spelt exactly as the library exports them.
// CALLED(name): an entry with a calling form in engine_api.h (nameFn).
// UNUSED(name): bound for completeness, never called.
#define LEXO_ENGINE_ENTRIES(CALLED, UNUSED)        \
    UNUSED(AutoPause)                              \
    UNUSED(SetDefaultJPGTransparentColorTolerance) \
    UNUSED(MaxMultiTexturingLayers)                \
    UNUSED(IsShadowMapsSupported)                  \
    UNUSED(IsDOT3Supported)                        \
    UNUSED(IsVShadersSupported)                    \
    UNUSED(IsPShadersSupported)                    \
    UNUSED(FreePlugin)                             \
    UNUSED(GetPluginHandle)                        \
    UNUSED(IsPluginLoaded)                         \
    UNUSED(LoadPlugin)                             \
    UNUSED(StartEngine)                            \
    CALLED(RegProcedure)                           \
    UNUSED(TextureMipMapping)                      \
    UNUSED(TextureFiltering)                       \
    UNUSED(TextureParametrs)                       \
    UNUSED(AddToLogFile)                           \
    UNUSED(TextureCompression)                     \
    CALLED(EngineMainDraw)                         \
    UNUSED(EnableStencilBuffer)                    \
    CALLED(UpdateRenderRect)                       \
    CALLED(StartEngine_DrawToPanel)                \
    UNUSED(EngineProcessMessages)                  \
    UNUSED(ApplicationName)                        \
    UNUSED(GetFPS)                                 \
    CALLED(LoadFontFromFile)                       \
    UNUSED(SetWindowPosition)                      \
    CALLED(QuitEngine)                             \
    CALLED(PleaseNoLogo)                           \
    UNUSED(SetGameProcessInterval)                 \
    UNUSED(ExtractFromPackage)                     \
    UNUSED(FreeTexture)                            \
    UNUSED(LoadTexture)                            \
    UNUSED(LoadTGATexture)                         \
    UNUSED(LoadTextureFromPackage)                 \
    CALLED(LoadTextureFromFile)                    \
    CALLED(SetEngineInitParametrs)                 \
    UNUSED(ReadValueFromIniFile)                   \
    UNUSED(WriteValueToIniFile)                    \
    UNUSED(SetEngineInifileName)                   \
    CALLED(PrintScreen)                            \
    UNUSED(GetScreenResX)                          \
    UNUSED(GetScreenResY)                          \
    UNUSED(SetCutingPlanes)                        \
    UNUSED(SetViewAngle)                           \
    UNUSED(ClearZBuffer)                           \
    UNUSED(SetZBufferDepth)                        \
    UNUSED(LoadFromPackage)                        \
    UNUSED(GetTextureInfo)                         \
    UNUSED(AddTimer)                               \
    UNUSED(EnableTimer)                            \
    UNUSED(DisableTimer)                           \
    UNUSED(SetTimerInterval)                       \
    UNUSED(FreeFont)                               \
    UNUSED(AddStringToConsole)                     \
    UNUSED(RegisterCommandProcedure)               \
    UNUSED(CreateConsole)                          \
    UNUSED(RegisterCommandValue)                   \
    UNUSED(ProcessConsole)                         \
    UNUSED(DrawConsole)                            \
    UNUSED(ClearConsole)                           \
    UNUSED(GetLastComParam)                        \
    CALLED(Begin2D)                                \
    CALLED(End2D)                                  \
    UNUSED(DrawTexture2D)                          \
    UNUSED(GetTextHeight)                          \
    CALLED(DrawTexture2D_Simple)                   \
    UNUSED(DrawTexture2D_VertexColor)              \
    CALLED(DrawSprite2D_Simple)                    \
    UNUSED(DrawSprite2D)                           \
    UNUSED(DrawSprite2D_VertexColor)               \
    UNUSED(PutPoint2D)                             \
    UNUSED(DrawLine2D)                             \
    UNUSED(DrawRectangle2D)                        \
    UNUSED(DrawRectangle2D_Fill_VertexColor)       \
    UNUSED(DrawCircle2D)                           \
    UNUSED(DrawEllipse2D)                          \
    CALLED(DrawText2D)                             \
    UNUSED(GetTextWidth)                           \
    UNUSED(DrawCircle2D_Fill)                      \
    UNUSED(DrawCircleArc2D)                        \
    UNUSED(DrawColorLine2D)                        \
    UNUSED(DrawTexture2D_Split)                    \
    UNUSED(DrawPolygon2D)                          \
    UNUSED(DrawSprite2D_Tile)                      \
    UNUSED(DrawEllipse2D_Fill)                     \
    UNUSED(DrawPolygon2D_VertexColor)              \
    UNUSED(BeginObj3D)                             \
    UNUSED(EndObj3D)                               \
    UNUSED(Position3D)                             \
    UNUSED(Color3D)                                \
    UNUSED(SetShadowRenderAngle)                   \
    UNUSED(ModelTrianglesCount)                    \
    UNUSED(AdductingMatrix3Dto2D)                  \
    UNUSED(ReturnStandartMatrix3D)                 \
    UNUSED(DrawAxes)                               \
    UNUSED(RotateX)                                \
    UNUSED(RotateY)                                \
    UNUSED(RotateZ)                                \
    UNUSED(SetTexture)                             \
    UNUSED(Position2D)                             \
    UNUSED(DrawPlane)                              \
    UNUSED(DrawSphere)                             \
    UNUSED(DrawCube)                               \
    UNUSED(DrawLine)                               \
    UNUSED(Drawpoint)                              \
    UNUSED(DrawCylinder)                           \
    UNUSED(CreateFont3D)                           \
    UNUSED(Write3D)                                \
    UNUSED(LoadModel)                              \
    UNUSED(FreeModel)                              \
    UNUSED(DrawModel)                              \
    UNUSED(ModelFramesCount)                       \
    UNUSED(Scale3D)                                \
    UNUSED(EnableSphereMapping)                    \
    UNUSED(DisableSphereMapping)                   \
    UNUSED(SetLight)                               \
    UNUSED(DrawEllipse)                            \
    UNUSED(StartRenderToTexture)                   \
    UNUSED(EndRenderToTexture)                     \
    UNUSED(CreateTextureToRenderIn)                \
    UNUSED(SetFog)                                 \
    UNUSED(DeactiveFog)                            \
    UNUSED(StartWriteToVideoMemory)                \
    UNUSED(EndWriteToVideoMemory)                  \
    UNUSED(FreeFromVideoMemory)                    \
    UNUSED(DrawFromVM)                             \
    UNUSED(DrawSprite)                             \
    UNUSED(DrawTextureToTexture)                   \
    UNUSED(SetMultytexturingLayerTexCoordMulti)    \
    UNUSED(DrawPolygon3D)                          \
    UNUSED(CreateAVITexture)                       \
    UNUSED(FreeAVITexture)                         \
    UNUSED(SetAviTexture)                          \
    UNUSED(SetCamera)                              \
    UNUSED(DeactiveLight)                          \
    UNUSED(ModelBoundingBox)                       \
    UNUSED(SetupProjector)                         \
    UNUSED(DisableProjector)                       \
    UNUSED(RenderProjection)                       \
    UNUSED(RenderProjectedTexture)                 \
    UNUSED(PrepareSceneForProjecting)              \
    UNUSED(EndDrawingProjectedScene)               \
    UNUSED(Get3DPos)                               \
    UNUSED(Get2DPos)                               \
    UNUSED(CalculateFrustum)                       \
    UNUSED(IsPointInFrustum)                       \
    UNUSED(IsSphereInFrustum)                      \
    UNUSED(IsBoxInFrustum)                         \
    UNUSED(DrawSprite_BillBoard)                   \
    UNUSED(CreateShadowMap)                        \
    UNUSED(CastShadowMap)                          \
    UNUSED(ActivateMultitexturingLayer)            \
    UNUSED(DeactiveMultytexturing)                 \
    UNUSED(SetMultytexturingLayerOffset)           \
    UNUSED(DrawTextureToTextureTransparentColor)   \
    UNUSED(ZBuffer)                                \
    UNUSED(ResetMatrix)                            \
    CALLED(DirectSoundInit)                        \
    CALLED(LoadSample)                             \
    CALLED(FreeSample)                             \
    CALLED(PlaySample)                             \
    CALLED(SetSampleVolume)                        \
    CALLED(PlayMusic)                              \
    UNUSED(StopMusic)                              \
    UNUSED(SetSample3DPosition)                    \
    UNUSED(IsMusicPlaying)                         \
    UNUSED(GetSample3DPosition)                    \
    UNUSED(GetMousePos)                            \
    UNUSED(GetMouseButtonPressed)                  \
    UNUSED(IsKeyPressed)                           \
    UNUSED(StartKeyboardTextInput)                 \
    UNUSED(EndKeyboardTextInput)                   \
    UNUSED(GetKeyboardText)                        \
    UNUSED(IsMouseMoveing)                         \
    UNUSED(MouseWheelDelta)                        \
    UNUSED(Input_JoyDown)                          \
    UNUSED(Input_JoyDirections)                    \
    UNUSED(IsRightMouseButtonPressed)              \
    UNUSED(IsLeftMouseButtonPressed)               \
    UNUSED(NET_Init)                               \
    UNUSED(NET_Free)                               \
    UNUSED(NET_Clear)                              \
    UNUSED(NET_ClearAPL)                           \
    UNUSED(NET_GetExternalIP)                      \
    UNUSED(NET_GetHost)                            \
    UNUSED(NET_GetLocalIP)                         \
    UNUSED(NET_HostToIP)                           \
    UNUSED(NET_InitSocket)                         \
    UNUSED(NET_Write)                              \
    UNUSED(NET_Send)                               \
    UNUSED(NET_Recv)                               \
    UNUSED(NET_Update)                             \
    UNUSED(RenderTexture2D)                        \
    UNUSED(WriteTextureInfo)                       \
    UNUSED(CreateTexture)                          \
    UNUSED(_glTexCoord2f)                          \
    UNUSED(IsTexCompressionSupported)

// The entries the game itself calls; start-up refuses to run without every one of them.
#define LEXO_GAME_ENTRIES(X)   \
    X(RegProcedure)            \
    X(PleaseNoLogo)            \
    X(SetEngineInitParametrs)  \
    X(StartEngine_DrawToPanel) \
    X(UpdateRenderRect)        \
    X(EngineMainDraw)          \
    X(QuitEngine)              \
    X(DirectSoundInit)         \
    X(LoadTextureFromFile)     \
    X(LoadFontFromFile)        \
    X(LoadSample)              \
    X(SetSampleVolume)         \
    X(PlaySample)              \
    X(FreeSample)              \
    X(PlayMusic)               \
    X(Begin2D)                 \
    X(End2D)                   \
    X(DrawTexture2D_Simple)    \
    X(DrawSprite2D_Simple)     \
    X(DrawText2D)

// Entries beyond the classic ones, bound when the library has them; the game runs without them.
#define LEXO_OPTIONAL_ENTRIES(X) \
    X(DrawText2D_UTF8)           \
    X(DrawText2D_Shaped)         \
    X(PrepareSpeech)             \
    X(Speak)

struct EngineEntries {
#define LEXO_CALLED_ENTRY(name) name##Fn name = nullptr;
#define LEXO_UNUSED_ENTRY(name) UnusedEntryFn name = nullptr;
    LEXO_ENGINE_ENTRIES(LEXO_CALLED_ENTRY, LEXO_UNUSED_ENTRY)
    LEXO_OPTIONAL_ENTRIES(LEXO_CALLED_ENTRY)
#undef LEXO_CALLED_ENTRY
#undef LEXO_UNUSED_ENTRY
};

}  // namespace lexo
