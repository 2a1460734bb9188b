#version 410 core
// Puts the composed picture on screen: a full-screen quad, position in xy and texture coordinate in zw.
layout(location = 0) in vec4 quad;

out vec2 textureCoordinate;

void main()
{
  textureCoordinate = quad.zw;
  gl_Position = vec4(quad.xy, 0.0, 1.0);
}
